// The boxes of a run of drawing: a filled box waits, so that a later box covering it whole saves
// drawing it, and boxes over the same rows (the strips of an operand cut in columns) are laid
// down together as one row pattern copied down the rows.

#include "shell/tanda_dibujo.h"

#include <algorithm>
#include <cstring>
#include <utility>

void TandaDibujo::CajaRellena(const QRect& r, const QColor& relleno) {
    DibujarLineas();
    // The fill paints every pixel of r, so a box still waiting inside r would never be seen.
    while (!diferidas_.empty() && r.contains(diferidas_.back().r))
        diferidas_.pop_back();
    // Boxes that share their rows wait together (the strips of an operand cut in columns).
    const CajaDiferida caja{r, relleno, std::nullopt};
    if (!diferidas_.empty()) {
        const CajaDiferida& ultima = diferidas_.back();
        if (r.top() != ultima.r.top() || r.bottom() != ultima.r.bottom() || !Componible(ultima) ||
            !Componible(caja))
            DibujarDiferida();
    }
    diferidas_.push_back(caja);
}

void TandaDibujo::Caja(const QRect& r, const Contorno& contorno) {
    DibujarLineas();
    if (!diferidas_.empty() && !diferidas_.back().contorno && diferidas_.back().r == r) {
        // The outline of the box just filled: it waits with it, unless the boxes waiting together
        // could not take it.
        if (diferidas_.size() == 1 || Componible({r, diferidas_.back().relleno, contorno})) {
            diferidas_.back().contorno = contorno;
        } else {
            const CajaDiferida caja = diferidas_.back();
            diferidas_.pop_back();
            DibujarDiferida();
            pintor_.fillRect(caja.r, caja.relleno);
            DibujarContorno(r, contorno);
        }
    } else {
        DibujarDiferida();
        DibujarContorno(r, contorno);
    }
}

bool TandaDibujo::ContornoSolido(const Contorno& c) const {
    return c.trazo == Qt::SolidLine && c.trama == Qt::NoBrush && tinta_.alpha() == 255;
}

bool TandaDibujo::ContornoSimple(const QRect& r, const Contorno& c) const {
    return ContornoSolido(c) && r.width() >= 2 && r.height() >= 2 && imagen_->rect().contains(r);
}

bool TandaDibujo::Componible(const CajaDiferida& caja) const {
    // Outlined solid, a box one pixel wide is all outline: a single upright segment.
    return caja.r.height() >= 2 && imagen_->rect().contains(caja.r) &&
           (!caja.contorno || ContornoSolido(*caja.contorno));
}

void TandaDibujo::DibujarContorno(const QRect& r, const Contorno& c) {
    if (c.trama != Qt::NoBrush && r.width() > 2 && r.height() > 2) {
        if (tramaUsada_.style() != c.trama || tramaUsada_.color() != c.colorTrama)
            tramaUsada_ = QBrush(c.colorTrama, c.trama);
        pintor_.fillRect(r.adjusted(1, 1, -1, -1), tramaUsada_);
    }
    if (ContornoSimple(r, c)) {
        // A solid cosmetic outline of a whole box is its four edges, one pixel thick: filled as
        // such they cost a fraction of stroking the outline.
        const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
        pintor_.fillRect(QRect(x, y, w, 1), tinta_);
        pintor_.fillRect(QRect(x, y + h - 1, w, 1), tinta_);
        pintor_.fillRect(QRect(x, y + 1, 1, h - 2), tinta_);
        pintor_.fillRect(QRect(x + w - 1, y + 1, 1, h - 2), tinta_);
        return;
    }
    UsarPluma(c.trazo);
    // A cosmetic outline covers one pixel past its rectangle.
    pintor_.drawRect(r.adjusted(0, 0, -1, -1));
}

void TandaDibujo::DibujarDiferida() {
    if (diferidas_.empty()) return;
    if (diferidas_.size() == 1) {
        const CajaDiferida& caja = diferidas_.front();
        pintor_.fillRect(caja.r, caja.relleno);
        if (caja.contorno) DibujarContorno(caja.r, *caja.contorno);
        diferidas_.clear();
        return;
    }
    // Boxes over the same rows, each filled whole and perhaps outlined: every column ends as the
    // last box over it left it, the same from its second row to its last but one. One row of each
    // kind is made and copied down the rows, as the picture lies in memory.
    const int arriba = diferidas_.front().r.top(), abajo = diferidas_.front().r.bottom();
    int izquierda = diferidas_.front().r.left(), derecha = diferidas_.front().r.right();
    for (const CajaDiferida& caja : diferidas_) {
        izquierda = std::min(izquierda, caja.r.left());
        derecha = std::max(derecha, caja.r.right());
    }
    const int ancho = derecha - izquierda + 1;
    std::vector<QRgb> borde(std::size_t(ancho), 0), interior(std::size_t(ancho), 0);
    std::vector<bool> cubierto(std::size_t(ancho), false);
    const QRgb tinta = tinta_.rgba();
    for (const CajaDiferida& caja : diferidas_) {
        const QRgb relleno = caja.relleno.rgba();
        for (int x = caja.r.left(); x <= caja.r.right(); ++x) {
            const std::size_t i = std::size_t(x - izquierda);
            const bool lado = caja.contorno && (x == caja.r.left() || x == caja.r.right());
            interior[i] = lado ? tinta : relleno;
            borde[i] = caja.contorno ? tinta : relleno;
            cubierto[i] = true;
        }
    }
    diferidas_.clear();
    // The stretches of columns some box covers; the others keep what they had.
    std::vector<std::pair<int, int>> tramos;
    for (int i = 0; i < ancho;) {
        if (!cubierto[std::size_t(i)]) {
            ++i;
            continue;
        }
        int fin = i;
        while (fin < ancho && cubierto[std::size_t(fin)])
            ++fin;
        tramos.emplace_back(i, fin);
        i = fin;
    }
    uchar* const bits = imagen_->bits();
    const qsizetype porFila = imagen_->bytesPerLine();
    for (int y = arriba; y <= abajo; ++y) {
        const QRgb* const modelo = (y == arriba || y == abajo) ? borde.data() : interior.data();
        QRgb* const fila = reinterpret_cast<QRgb*>(bits + qsizetype(y) * porFila) + izquierda;
        for (const auto& [desde, hasta] : tramos)
            std::memcpy(fila + desde, modelo + desde, std::size_t(hasta - desde) * sizeof(QRgb));
    }
}
