#pragma once

#include <QString>

// The page scheme as the five hex holders hold it: their texts, inserted verbatim into the page
// texts and the scheme files, in the order background, text, link, visited link, active link.
struct PageColors {
    QString backC;
    QString textC;
    QString linkC;
    QString vlinkC;
    QString alinkC;
};
