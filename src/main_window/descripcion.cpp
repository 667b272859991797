// The picture told in words, for screen readers.

#include "main_window/descripcion.h"

#include "main_window/accesibilidad.h"
#include "main_window/frm_principal.h"
#include "shell/estado.h"

namespace {

QString Fraccion(Integer num, Integer den) {
    if (den > 0) return QStringLiteral("%1/%2").arg(num).arg(den);
    if (num == 0) return QStringLiteral("vacía");
    return QStringLiteral("%1, sin denominador").arg(num);
}

} // namespace

QString FraseSuma(const SumaContada& suma) {
    const bool una = suma.porCuadro == 1;
    const QString celdas = una ? QStringLiteral("celda") : QStringLiteral("celdas");
    // Within one square the count reads as a fraction ("5 de 6"); past it, as cells against the
    // size of a square, since "8 de 6" would not make sense.
    if (suma.coloreadas <= suma.porCuadro)
        return QStringLiteral("Suma: %1 de %2 %3 %4.")
            .arg(suma.coloreadas)
            .arg(suma.porCuadro)
            .arg(celdas, una ? QStringLiteral("coloreada") : QStringLiteral("coloreadas"));
    return QStringLiteral("Suma: %1 celdas coloreadas; cada cuadro tiene %2 %3.")
        .arg(suma.coloreadas)
        .arg(suma.porCuadro)
        .arg(celdas);
}

QString DescripcionDibujo(Integer num1, Integer den1, Integer num2, Integer den2,
                          const std::optional<SumaContada>& suma) {
    const QString texto = QStringLiteral("Primera fracción: %1. Segunda fracción: %2.")
                              .arg(Fraccion(num1, den1), Fraccion(num2, den2));
    if (!suma || suma->num1 != num1 || suma->den1 != den1 || suma->num2 != num2 ||
        suma->den2 != den2)
        return texto;
    return texto + QLatin1Char(' ') + FraseSuma(*suma);
}

void FrmPrincipal::DescribirDibujo() {
    // Qt tells assistive technology of every change, so only real ones are made.
    const QString texto = DescripcionDibujo(Num(1), Den(1), Num(2), Den(2), suma_);
    if (lienzo_->accessibleDescription() != texto) lienzo_->setAccessibleDescription(texto);
}

void FrmPrincipal::DescribirSuma(long long coloreadas, long long porCuadro) {
    suma_ = SumaContada{coloreadas, porCuadro, Num(1), Den(1), Num(2), Den(2)};
    DescribirDibujo();
    // Heard at once, wherever the focus stands: the pupil need not go looking for the result.
    aviso_->Anunciar(FraseSuma(*suma_));
}

void FrmPrincipal::AnunciarVuelo(long long celdas) {
    aviso_->Anunciar(celdas == 1 ? QStringLiteral("Vuela 1 celda al resultado.")
                                 : QStringLiteral("Vuelan %1 celdas al resultado.").arg(celdas));
}
