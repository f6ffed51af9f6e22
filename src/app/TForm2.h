// TForm2: the About window. Modeless and single: the main window keeps one
// and shows it again; closing (OK, Esc or the title bar) only hides it.
// The e-mail and web links open with the desktop's default programs.
#pragma once

#include <QDialog>

class TForm2 : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 431;
    static constexpr int ClientHeight = 208;
    static constexpr const char* MailAddress = "calorix@example.org";
    static constexpr const char* WebAddress = "https://example.org/calorix";

    explicit TForm2(QWidget* parent = nullptr);

    void Label10Click(); // the e-mail link
    void Label9Click();  // the web link
};
