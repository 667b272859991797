#include "shell/tanda_dibujo.h"

#include <QString>

#include <cmath>

Qt::BrushStyle TramaDeFillStyle(int estilo) {
    switch (estilo) {
    case 0:
        return Qt::SolidPattern;
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    case 4:
        return Qt::BDiagPattern;
    case 5:
        return Qt::FDiagPattern;
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush; // 1 and anything unknown: transparent
    }
}

Qt::PenStyle TrazoDeDrawStyle(int estilo) {
    switch (estilo) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    case 5:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

void TandaDibujo::Empezar(QImage& imagen, const QColor& tinta) {
    imagen_ = &imagen;
    tinta_ = tinta;
    pintor_.begin(imagen_);
    trazoPluma_.reset();
    medidas_.reset();
}

void TandaDibujo::UsarPluma(Qt::PenStyle trazo) {
    // Every line, outline and number is drawn in the foreground colour with a cosmetic pen; only
    // its style changes.
    if (trazo == trazoPluma_) return;
    pintor_.setPen(QPen(tinta_, 0, trazo));
    trazoPluma_ = trazo;
}

void TandaDibujo::Asentar() {
    if (!pintor_.isActive()) return;
    DibujarDiferida();
    DibujarLineas();
    medidas_.reset();
    pintor_.end();
}

QRect TandaDibujo::Imprimir(QPoint a, Integer n, const QFont& fuente) {
    DibujarDiferida();
    DibujarLineas();
    if (!medidas_) {
        pintor_.setFont(fuente);
        const QFontMetrics fm = pintor_.fontMetrics();
        medidas_ = Medidas{fm, fm.ascent(), fm.height()};
        if (!cifrasPreparadas_) {
            cifras_ = CifrasImpresas::Preparar(fuente, *imagen_);
            cifrasPreparadas_ = true;
        }
    }
    const QPoint base(a.x(), a.y() + medidas_->ascenso);
    int ancho;
    if (cifras_) {
        UsarPluma(Qt::SolidLine);
        ancho = int(std::ceil(cifras_->Dibujar(pintor_, base, n)));
    } else {
        const QString texto = TextoImpreso(n);
        pintor_.setPen(tinta_);
        trazoPluma_.reset();
        pintor_.drawText(base, texto);
        ancho = medidas_->fm.horizontalAdvance(texto);
    }
    return QRect(a, QSize(ancho + 2, medidas_->alto + 2));
}
