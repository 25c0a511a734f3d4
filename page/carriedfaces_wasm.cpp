#include "carriedfaces.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>

// The program carries Liberation's faces (assets/) and answers with them for
// the faces it names: Liberation Serif, with the metrics of "Times New
// Roman", and Liberation Sans for the design face, as on a Linux desktop.
void useCarriedFaces()
{
    static const bool used = [] {
        const QDir faces(QStringLiteral(":/faces"));
        for (const QString &file : faces.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name))
            QFontDatabase::addApplicationFont(faces.filePath(file));
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(used);
}
