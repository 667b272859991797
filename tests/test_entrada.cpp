#include "ayuda_pruebas.h"

class TestEntrada : public QObject {
    Q_OBJECT
  private slots:
    void vacio() {}
};

QTEST_MAIN(TestEntrada)
#include "test_entrada.moc"
