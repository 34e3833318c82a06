#pragma once

#include "level/translatable.h"

// What the Edit menu calls the steps of the history ("Undo Draw"); the editor shows them in the
// user's language. A property's step is named after the property (propertyName).
namespace step_names {
inline constexpr const char* kDraw = TRANSLATABLE("Step", "Draw");
inline constexpr const char* kErase = TRANSLATABLE("Step", "Erase");
inline constexpr const char* kFill = TRANSLATABLE("Step", "Fill");
inline constexpr const char* kRectangle = TRANSLATABLE("Step", "Rectangle");
inline constexpr const char* kFilledRectangle = TRANSLATABLE("Step", "Filled Rectangle");
inline constexpr const char* kLine = TRANSLATABLE("Step", "Line");
inline constexpr const char* kPaste = TRANSLATABLE("Step", "Paste");
inline constexpr const char* kCut = TRANSLATABLE("Step", "Cut");
inline constexpr const char* kDelete = TRANSLATABLE("Step", "Delete");
inline constexpr const char* kMove = TRANSLATABLE("Step", "Move");
inline constexpr const char* kCopy = TRANSLATABLE("Step", "Copy");
inline constexpr const char* kFlip = TRANSLATABLE("Step", "Flip");
inline constexpr const char* kRotate = TRANSLATABLE("Step", "Rotate");
inline constexpr const char* kTransform = TRANSLATABLE("Step", "Transform");
inline constexpr const char* kReplace = TRANSLATABLE("Step", "Replace");
inline constexpr const char* kReload = TRANSLATABLE("Step", "Reload from Disk");
inline constexpr const char* kInsertRemainder = TRANSLATABLE("Step", "Insert Remainder");
inline constexpr const char* kDeleteRemainder = TRANSLATABLE("Step", "Delete Remainder");
inline constexpr const char* kClearRemainder = TRANSLATABLE("Step", "Clear Remainder");
inline constexpr const char* kPaintRemainder = TRANSLATABLE("Step", "Paint Remainder");
}  // namespace step_names
