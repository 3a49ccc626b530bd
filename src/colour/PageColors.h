#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

// The page scheme as the five hex holders hold it: their texts, inserted verbatim into the page
// texts and the scheme files, in the order background, text, link, visited link, active link.
struct PageColors {
    QString backC;
    QString textC;
    QString linkC;
    QString vlinkC;
    QString alinkC;
};

// The places of the page colours in a scheme.
enum SchemeSlot : std::size_t {
    SchemeBackground,
    SchemeText,
    SchemeLink,
    SchemeVisitedLink,
    SchemeActiveLink,
};

// Five packed colours (red + green*256 + blue*65536) in the order of SchemeSlot.
using SchemeColors = std::array<int32_t, 5>;
