#include "ui/widgets/dialog_font.h"

#include <QStringList>

QFont dialogFont() {
    QFont font;
    // The Windows font first, then stand-ins where it is missing.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setPointSize(8);
    return font;
}
