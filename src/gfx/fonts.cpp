#include "gfx/fonts.h"

#include <QFont>

namespace gfx {

void registerJapaneseFonts() {
    QFont::insertSubstitution(QString::fromUtf8(kFaceGothic), "IPAGothic");
    QFont::insertSubstitution(QString::fromUtf8(kFaceMincho), "IPAMincho");
    QFont::insertSubstitution(QString::fromUtf8(kFacePMincho), "IPAPMincho");
    QFont::insertSubstitution(QString::fromUtf8(kFacePGothic), "IPAPGothic");
}

} // namespace gfx
