#pragma once

// Column layout shared by the machine constants reader and the report written in that layout.
namespace ConstantsLayout
{
// Column where the key of a machine constants header starts; the name and type fields end before it.
constexpr int KEY_COLUMN = 64;
} // namespace ConstantsLayout
