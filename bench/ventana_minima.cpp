// The floor for start-up: the smallest Qt Widgets window, built like the program, which leaves as
// soon as it has painted its first frame. With the argument "texto" it also writes one line in the
// application's font: the floor for any window that shows text.

#include <QApplication>
#include <QByteArray>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace {

class VentanaMinima : public QWidget {
  public:
    bool conTexto = false;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        if (conTexto) p.drawText(20, 40, QStringLiteral("1/2 + 1/3 = 5/6"));
        // Leaves once the frame this paint belongs to has been flushed, skipping the tear-down
        // exactly as the program does when asked to.
        QTimer::singleShot(0, [] { std::_Exit(0); });
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    VentanaMinima ventana;
    ventana.conTexto = argc > 1 && QByteArray(argv[1]) == "texto";
    ventana.resize(600, 450);
    ventana.show();
    return QApplication::exec();
}
