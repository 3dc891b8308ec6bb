// Dialog layouts are given in dialog units of the 8-point dialog font.
#pragma once

#include <QRect>

inline int DialogX(int units) {
    return units * 3 / 2;
}
inline int DialogY(int units) {
    return units * 13 / 8;
}
inline QRect DialogRect(int x, int y, int width, int height) {
    return QRect(DialogX(x), DialogY(y), DialogX(width), DialogY(height));
}
