#include "ayuda_pruebas.h"

class TestSuperficie : public QObject {
    Q_OBJECT
  private slots:
    void vacio() {}
};

QTEST_MAIN(TestSuperficie)
#include "test_superficie.moc"
