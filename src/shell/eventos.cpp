#include "shell/eventos.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {
bool terminando = false;
}

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

bool Terminando() {
    return terminando;
}

void OlvidarTerminacion() {
    if (!terminando) return;
    terminando = false;
    // Qt remembers the exit asked for until an event loop has taken it; run one loop that takes
    // it, so the next dialogs and waits of this process behave again.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}
