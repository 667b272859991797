#pragma once
// The speed dialog: five options from very slow to immediate. It is made once, hidden, while the
// main window loads, and only hidden between uses (in a page, made afresh for each opening).

#include "shell/tipos.h"

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

class FrmVelocidad : public QDialog {
    Q_OBJECT
  public:
    FrmVelocidad();

    void Form_Load();
    void cmdAceptar_Click();
    void CancelButton_Click();

    QPushButton* cmdAceptar = nullptr;
    QPushButton* CancelButton = nullptr;
    QGroupBox* Frame1 = nullptr;
    Arreglo<QRadioButton*, 0, 4> optVelocidad;

    // Outer size in twips, frame included where the window system has shown it.
    Single Width() const;
    Single Height() const;

  public slots:
    // Esc and the close box act like "Cancelar".
    void reject() override;

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
};

// Where the dialog goes: centred over a window of the main window's outer size standing at the
// top-left corner of the screen. Twips; halves are kept.
struct PosicionDialogo {
    Single Left;
    Single Top;
};
PosicionDialogo CalcularPosicionDialogo(Single anchoPrincipal, Single altoPrincipal,
                                        Single anchoDialogo, Single altoDialogo);

// The single dialog, made and loaded (placed) on first use.
FrmVelocidad& frmVelocidad();
// Whether it exists at the moment.
bool FrmVelocidadCargado();
// The start-up step of the main window: selects the option of the given speed.
void SeleccionarVelocidadInicial(Byte velocidad);
// Ends the dialog with the main window that loaded it.
void DescargarFrmVelocidad();
