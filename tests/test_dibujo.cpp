#include "ayuda_pruebas.h"

class TestDibujo : public QObject {
    Q_OBJECT
  private slots:
    void vacio() {}
};

QTEST_MAIN(TestDibujo)
#include "test_dibujo.moc"
