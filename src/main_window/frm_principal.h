#pragma once
// The main window: two fraction boxes, the "+" label, the "=" button, the two "Simplificar"
// buttons, the menus, and the picture of four squares on its own surface.

#include "main_window/descripcion.h"
#include "shell/controles.h"
#include "shell/formulario.h"
#include "shell/lienzo.h"

#include <QMainWindow>

#include <optional>

class Adicion;
class AvisoVoz;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

class FrmPrincipal : public QMainWindow, public Formulario {
    Q_OBJECT
  public:
    explicit FrmPrincipal(QWidget* padre = nullptr);
    ~FrmPrincipal() override;

    // ---- the generic form ----
    Single Width() const override;
    Single Height() const override;
    void setDrawStyle(int estilo) override { lienzo_->setDrawStyle(estilo); }
    int DrawStyle() const override { return lienzo_->DrawStyle(); }
    void setFillStyle(int estilo) override { lienzo_->setFillStyle(estilo); }
    int FillStyle() const override { return lienzo_->FillStyle(); }
    void setFillColor(Long color) override { lienzo_->setFillColor(color); }
    Long FillColor() const override { return lienzo_->FillColor(); }
    void Linea(Single x, Single y, Single dx, Single dy) override { lienzo_->Linea(x, y, dx, dy); }
    void CajaRellena(Single x, Single y, Single w, Single h, Long color) override {
        lienzo_->CajaRellena(x, y, w, h, color);
    }
    void Caja(Single x, Single y, Single w, Single h) override { lienzo_->Caja(x, y, w, h); }
    void setCurrentX(Single x) override { lienzo_->setCurrentX(x); }
    void setCurrentY(Single y) override { lienzo_->setCurrentY(y); }
    Single CurrentX() const override { return lienzo_->CurrentX(); }
    Single CurrentY() const override { return lienzo_->CurrentY(); }
    void Print(Integer n) override { lienzo_->Print(n); }
    void Cls() override { lienzo_->Cls(); }
    void Refresh() override { lienzo_->Refresh(); }
    QObject* Miembro(const QString& nombre) override;

    // The number of divisions of the common grid along orientation o: the largest denominator of
    // the operands cut that way, at least 1.
    static Integer Divisiones(Long o);

    // ---- handlers ----
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void txtNum_Change(Integer i);
    void txtDen_Change(Integer i);
    void cmdSimpli_Click(Integer i);
    void cmdAnimar_Click();
    void tmr_Timer();
    void mnuArchNueva_Click();
    void mnuArchSalir_Click();
    void mnuAyudaAcerca_Click();
    void mnuOpcVelocidad_Click();

    // ---- controls ----
    Lienzo* lienzo() const { return lienzo_; }
    Arreglo<QLineEdit*, 1, 2> txtNum;
    Arreglo<QLineEdit*, 1, 2> txtDen;
    QLabel* lblOp = nullptr;
    QPushButton* cmdAnimar = nullptr;
    Arreglo<QPushButton*, 1, 2> cmdSimpli;
    Arreglo<ControlLinea*, 1, 2> Lin;
    ControlFigura* shpVuela = nullptr;
    ControlTemporizador* tmr = nullptr;
    QAction* mnuArchNueva = nullptr;
    QAction* mnuArchSalir = nullptr;
    QAction* mnuOpcVelocidad = nullptr;
    QAction* mnuAyudaAcerca = nullptr;

    // True while the cells of an addition fly.
    bool Animando() const;

    // What a screen reader says of the picture: both fractions as stored and, after an addition,
    // the cells it coloured. Brought up to date after every change of what the picture means.
    void DescribirDibujo();
    // The end of "=": so many cells coloured in the result, on a grid of so many cells a square.
    void DescribirSuma(long long coloreadas, long long porCuadro);
    // Drops the addition under way, if any: its flying cell vanishes and no other flies.
    void AbandonarSuma();
    // The start of a run that flies: how many cells are on their way.
    void AnunciarVuelo(long long celdas);

  protected:
    void resizeEvent(QResizeEvent* evento) override;
    void moveEvent(QMoveEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    void CrearMenus();
    void CrearControles();
    void OrdenarTabulacion();
    bool DebeIrAlMenu(const QKeyEvent& tecla) const;
    // Whether the layout and picture were made for the window's outer size and resolution now.
    bool DisposicionVigente() const;

    Lienzo* lienzo_ = nullptr;
    AvisoVoz* aviso_ = nullptr;
    // The flights of the addition under way, if any.
    Adicion* adicion_ = nullptr;
    // The last finished addition, while the picture still shows it.
    std::optional<SumaContada> suma_;
    // The outer size and the picture's pixels per inch the last layout was made for.
    QSizeF tamanoDispuesto_;
    QSizeF resolucionDispuesta_;
};
