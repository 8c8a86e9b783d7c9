// The hover colour of flat menu titles and tool bar buttons.
#pragma once
#include <cstdint>

// Light colours (any channel above 216) darken by 15 %; darker ones brighten by 15 %,
// with a bonus for very dark colours. Colours are 0xAARRGGBB; the result is opaque.
uint32_t highlightColor(uint32_t color);
