// The two 14 x 14 pictures of the drawn grid's answer cells: taken and not taken.
#pragma once

#include <QPixmap>

class SignImages {
public:
    static constexpr int kSize = 14;

    static const QPixmap& Taken();
    static const QPixmap& NotTaken();
};
