#include "ayuda_pruebas.h"

class TestVelocidad : public QObject {
    Q_OBJECT
  private slots:
    void vacio() {}
};

QTEST_MAIN(TestVelocidad)
#include "test_velocidad.moc"
