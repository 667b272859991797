#pragma once
// The numeric types of the program's state and the conversions between them. Integer results are
// always range-checked: a value that does not fit 16 bits is never wrapped.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;
using Byte = std::uint8_t;

inline constexpr int kIntegerMin = -32768;
inline constexpr int kIntegerMax = 32767;

inline bool CabeEnInteger(long long v) {
    return v >= kIntegerMin && v <= kIntegerMax;
}

// Nearest integer, halves to the even neighbour; a value beyond 16 bits is held at the nearer
// limit.
inline Integer RedondearIntegerSaturado(double v) {
    if (std::isnan(v)) return 0;
    const double r = std::nearbyint(v);
    if (r < kIntegerMin) return static_cast<Integer>(kIntegerMin);
    if (r > kIntegerMax) return static_cast<Integer>(kIntegerMax);
    return static_cast<Integer>(r);
}

// A fixed array with the bounds the program indexes it by: Num(1), Colores(3), optVelocidad(0).
template <typename T, int Inferior, int Superior> class Arreglo {
  public:
    constexpr T& operator()(int i) { return datos_[posicion(i)]; }
    constexpr const T& operator()(int i) const { return datos_[posicion(i)]; }
    void Borrar() { datos_.fill(T{}); }

  private:
    static constexpr std::size_t posicion(int i) {
        // Every index the program uses is a constant of its design; anything else is a bug.
        if (i < Inferior || i > Superior) std::abort();
        return static_cast<std::size_t>(i - Inferior);
    }
    std::array<T, Superior - Inferior + 1> datos_{};
};
