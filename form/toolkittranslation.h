#ifndef TFCC_TOOLKITTRANSLATION_H
#define TFCC_TOOLKITTRANSLATION_H

class QLocale;
class QTranslator;

// Loads the toolkit's own translations for locale into translator, so that
// the print dialog and the message box buttons speak the user's language.
// False when there are none for that language.
bool loadQtTranslation(QTranslator &translator, const QLocale &locale);

#endif
