#include "shell/eventos.h"

#include <QApplication>
#include <QMessageBox>

namespace {
bool terminando = false;
}

void DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void EsperarEventos() {
    if (terminando) return;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void MsgBox(QWidget* padre, const QString& texto, const QString& titulo) {
    QMessageBox caja(QMessageBox::NoIcon, titulo, texto, QMessageBox::Ok, padre);
    caja.exec();
}

void Terminar() {
    terminando = true;
    // exit() leaves every running event loop, modal ones included, so nothing can hold the
    // process: main() returns with status 0 as soon as the outermost loop unwinds.
    QCoreApplication::exit(0);
}

bool Terminando() { return terminando; }

void OlvidarTerminacion() { terminando = false; }
