#include "shell/eventos.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

namespace {

bool terminando = false;

class PrimerCuadro : public QObject {
  public:
    PrimerCuadro(QWidget& ventana, std::function<void()> accion)
        : QObject(&ventana), ventana_(&ventana), accion_(std::move(accion)) {}

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint && objeto->isWidgetType() &&
            static_cast<QWidget*>(objeto)->window() == ventana_) {
            qApp->removeEventFilter(this);
            // Once this frame is done.
            QTimer::singleShot(0, this, [this] {
                accion_();
                deleteLater();
            });
        }
        return false;
    }

  private:
    const QWidget* ventana_;
    std::function<void()> accion_;
};

} // namespace

void TrasPrimerCuadro(QWidget& ventana, std::function<void()> accion) {
    qApp->installEventFilter(new PrimerCuadro(ventana, std::move(accion)));
}

void MostrarModal(QDialog& dialogo) {
    // QDialog::open() would make the dialog modal to its parent alone, and one with no parent to
    // nothing at all; exec() would wait in an event loop of its own.
    dialogo.setWindowModality(Qt::ApplicationModal);
    dialogo.show();
}

void MsgBox(QWidget* padre, const QString& texto, const QString& titulo) {
    auto* caja = new QMessageBox(QMessageBox::NoIcon, titulo, texto, QMessageBox::Ok, padre);
    caja->setAttribute(Qt::WA_DeleteOnClose);
    MostrarModal(*caja);
}

void Terminar() {
    terminando = true;
    // Nothing waits in an event loop of its own, so the application's loop is the only one to
    // leave: main() returns with status 0 as soon as it does.
    QCoreApplication::exit(0);
}

bool Terminando() {
    return terminando;
}

void OlvidarTerminacion() {
    if (!terminando) return;
    terminando = false;
    // Qt remembers the exit asked for until an event loop has taken it; run one loop that takes
    // it, so the next waits of this process (a test's) behave again.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}
