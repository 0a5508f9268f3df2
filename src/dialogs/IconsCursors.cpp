// Pictures 15 to 17 of the icon set: the mouse pointers, black and white on transparent.

#include "IconDrawings.h"
#include "IconPainting.h"

namespace {

QImage flèche() {
    IconCanvas t;
    t.motif(10, 6,
            {"K...........", //
             "KK..........", //
             "KWK.........", //
             "KWWK........", //
             "KWWWK.......", //
             "KWWWWK......", //
             "KWWWWWK.....", //
             "KWWWWWWK....", //
             "KWWWWWWWK...", //
             "KWWWWWWWWK..", //
             "KWWWWWWWWWK.", //
             "KWWWWWWKKKKK", //
             "KWWWKWWK....", //
             "KWWKKWWK....", //
             "KWK..KWWK...", //
             "KK...KWWK...", //
             "K.....KWWK..", //
             "......KWWK..", //
             ".......KK..."});
    return t.image();
}

QImage sablier() {
    IconCanvas t;
    t.motif(8, 3,
            {"KKKKKKKKKKKKKKKK", //
             "KSSSSSSSSSSSSSSK", //
             "KKKKKKKKKKKKKKKK", //
             ".KWWWWWWWWWWWWK.", //
             ".KWWWWWWWWWWWWK.", //
             ".KWKKKKKKKKKKWK.", //
             ".KWWKKKKKKKKWWK.", //
             "..KWWKKKKKKWWK..", //
             "...KWWKKKKWWK...", //
             "....KWWKKWWK....", //
             ".....KWWWWK.....", //
             "......KWWK......", //
             "......KKWK......", //
             ".....KWKWWK.....", //
             "....KWWKWWWK....", //
             "...KWWWKWWWWK...", //
             "..KWWWWKWWWWWK..", //
             ".KWWWWWKWWWWWWK.", //
             ".KWWWWWKWWWWWWK.", //
             ".KWWWWKKKWWWWWK.", //
             ".KWWWKKKKKWWWWK.", //
             ".KWWKKKKKKKWWWK.", //
             "KKKKKKKKKKKKKKKK", //
             "KSSSSSSSSSSSSSSK", //
             "KKKKKKKKKKKKKKKK"});
    return t.image();
}

QImage doigt() {
    IconCanvas t;
    t.motif(8, 5,
            {".....KK..........", //
             "....KWWK.........", //
             "....KWWK.........", //
             "....KWWK.........", //
             "....KWWK.........", //
             "....KWWKKK.......", //
             "....KWWKWWKKK....", //
             "....KWWKWWKWWKK..", //
             ".KK.KWWKWWKWWKWK.", //
             "KWWKKWWWWWWWWKWWK", //
             "KWWWKWWWWWWWWWWWK", //
             ".KWWKWWWWWWWWWWWK", //
             "..KWWWWWWWWWWWWWK", //
             "..KWWWWWWWWWWWWWK", //
             "...KWWWWWWWWWWWWK", //
             "...KWWWWWWWWWWWK.", //
             "....KWWWWWWWWWWK.", //
             "....KWWWWWWWWWWK.", //
             ".....KWWWWWWWWK..", //
             ".....KWWWWWWWWK..", //
             ".....KKKKKKKKKK.."});
    return t.image();
}

} // namespace

QImage dessinerCurseurs(int numéro) {
    switch (numéro) {
    case 15:
        return flèche();
    case 16:
        return sablier();
    case 17:
        return doigt();
    default:
        return {};
    }
}
