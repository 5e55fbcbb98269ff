#pragma once
// Typed texts of the design and of the materials read as single-precision figures.
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"
#include "text/NumberText.h"

#include <cmath>

namespace brisko {

inline constexpr float kPi = 3.14159274f;

// A figure that cannot be computed (not a number, or beyond the single range)
// shows as 0.
inline float finiteOrZero(float value)
{
    return std::isfinite(value) ? value : 0.0f;
}

// A text that does not convert reads as 0; texts are validated where they are typed.
inline float figure(const QString& text)
{
    return toSingle(text).value_or(0.0f);
}

inline const BoardMaterial& boardOf(const CarDesign& design, const MaterialLibrary& materials, MaterialSlot slot)
{
    return materials.board(design.Materials[slot]);
}

inline const AxleMaterial& axleOf(const CarDesign& design, const MaterialLibrary& materials, MaterialSlot slot)
{
    return materials.axle(design.Materials[slot]);
}

inline const SpringMaterial& springOf(const CarDesign& design, const MaterialLibrary& materials)
{
    return materials.spring(design.Materials[SpringSlot]);
}

} // namespace brisko
