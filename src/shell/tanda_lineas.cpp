// The segments of a run of drawing: a grid repeats the same few segments thousands of times, so
// a segment waits until something else is drawn, is drawn once however often it was asked for, and
// a level or upright one is stamped straight into the picture with the pixels Qt sets for it.

#include "shell/tanda_dibujo.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <tuple>

void TandaDibujo::Linea(QPoint a, QPoint b, int drawStyle) {
    DibujarDiferida();
    if (tinta_.alpha() == 255) {
        // Drawn when the run of segments ends; the same segment twice is drawn once. A grid of
        // thousands of lines on a few hundred pixels repeats each of the last few again and again.
        const ClaveLinea clave{a.x(), a.y(), b.x(), b.y(), drawStyle};
        const auto vistas = ultimasLineas_.begin() + std::min(recientes_, kRecientes);
        if (std::find(ultimasLineas_.begin(), vistas, clave) != vistas) return;
        ultimasLineas_[std::size_t(recientes_++ % kRecientes)] = clave;
        lineas_.insert(clave);
    } else {
        UsarPluma(TrazoDeDrawStyle(drawStyle)); // a translucent ink darkens where it crosses
        pintor_.drawLine(a, b);
    }
}

std::size_t TandaDibujo::HashLinea::operator()(const ClaveLinea& c) const noexcept {
    std::size_t h = std::size_t(c.trazo);
    for (int v : {c.ax, c.ay, c.bx, c.by})
        h = h * 0x9E3779B97F4A7C15ull + std::size_t(unsigned(v));
    return h ^ (h >> 29);
}

const TandaDibujo::Sello& TandaDibujo::SelloDe(QPoint d, Qt::PenStyle trazo) {
    const ClaveLinea clave{d.x(), d.y(), 0, 0, int(trazo)};
    const auto hallado = sellos_.find(clave);
    if (hallado != sellos_.end()) return hallado->second;
    // Qt draws the segment once on a scrap of picture, with room around it; the pixels it sets,
    // taken from the segment's first point, are the same wherever the segment lies.
    constexpr int kMargen = 2;
    const QPoint inicio(kMargen + std::max(0, -d.x()), kMargen + std::max(0, -d.y()));
    QImage prueba(std::abs(d.x()) + 2 * kMargen + 1, std::abs(d.y()) + 2 * kMargen + 1,
                  QImage::Format_RGB32);
    prueba.fill(Qt::white);
    {
        QPainter p(&prueba);
        p.setPen(QPen(Qt::black, 0, trazo));
        p.drawLine(inicio, inicio + d);
    }
    Sello sello;
    for (int y = 0; y < prueba.height(); ++y) // row by row, as the picture is laid out
        for (int x = 0; x < prueba.width(); ++x)
            if (prueba.pixel(x, y) != qRgb(255, 255, 255)) {
                sello.puntos.push_back(QPoint(x, y) - inicio);
                sello.caja |= QRect(sello.puntos.back(), QSize(1, 1));
            }
    return sellos_.emplace(clave, std::move(sello)).first->second;
}

void TandaDibujo::DibujarLineas() {
    if (lineas_.empty()) return;
    if (sellos_.size() > 64) sellos_.clear(); // lengths of another layout
    // The segments of a run share one opaque colour, so together they set the union of their
    // pixels, in whatever order. Level and upright ones are set straight into the picture, those
    // that start on the same row together, one row at a time, as the picture lies in memory.
    struct Estampa {
        const Sello* sello;
        int y, x;
        bool operator<(const Estampa& o) const {
            // Stamps of one segment together; `<` does not order pointers to separate objects.
            if (sello != o.sello) return std::less<const Sello*>()(sello, o.sello);
            return std::tie(y, x) < std::tie(o.y, o.x);
        }
    };
    std::vector<Estampa> estampas;
    estampas.reserve(lineas_.size());
    for (const ClaveLinea& l : lineas_) {
        const QPoint a(l.ax, l.ay), b(l.bx, l.by);
        const Qt::PenStyle trazo = TrazoDeDrawStyle(l.trazo);
        if (trazo == Qt::NoPen) continue;
        if (a.x() == b.x() || a.y() == b.y()) {
            const Sello& sello = SelloDe(b - a, trazo);
            if (imagen_->rect().contains(sello.caja.translated(a))) {
                estampas.push_back({&sello, a.y(), a.x()});
                continue;
            }
        }
        UsarPluma(trazo);
        pintor_.drawLine(a, b);
    }
    // A fresh set: clearing keeps every bucket of the largest grid, and clears them all each time.
    lineas_ = {};
    recientes_ = 0;
    std::sort(estampas.begin(), estampas.end());
    const QRgb tinta = tinta_.rgba();
    uchar* const bits = imagen_->bits();
    const qsizetype porFila = imagen_->bytesPerLine();
    for (auto grupo = estampas.begin(); grupo != estampas.end();) {
        auto fin = grupo;
        while (fin != estampas.end() && fin->sello == grupo->sello && fin->y == grupo->y)
            ++fin;
        for (const QPoint& o : grupo->sello->puntos) {
            QRgb* const fila =
                reinterpret_cast<QRgb*>(bits + qsizetype(grupo->y + o.y()) * porFila) + o.x();
            for (auto e = grupo; e != fin; ++e)
                fila[e->x] = tinta;
        }
        grupo = fin;
    }
}
