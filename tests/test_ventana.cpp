#include "ayuda_pruebas.h"

class TestVentana : public QObject {
    Q_OBJECT
  private slots:
    void vacio() {}
};

QTEST_MAIN(TestVentana)
#include "test_ventana.moc"
