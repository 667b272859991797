#include "ayuda_pruebas.h"

class TestAnimacion : public QObject {
    Q_OBJECT
  private slots:
    void vacio() {}
};

QTEST_MAIN(TestAnimacion)
#include "test_animacion.moc"
