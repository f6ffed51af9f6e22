#include "TForm2.h"

#include "ProgramIcon.h"
#include "calc/SplashPicture.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace {

QLabel* Text(QWidget* parent, const QString& text, int left, int top, int width = -1)
{
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    if (width > 0) {
        label->setFixedWidth(width);
        label->setAlignment(Qt::AlignHCenter);
    } else {
        label->adjustSize();
    }
    return label;
}

// A label that looks and acts like a link: blue, underlined, a hand cursor.
QLabel* Link(QWidget* parent, const QString& text, int left, int top)
{
    QLabel* label = Text(parent, QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), left, top);
    label->setTextFormat(Qt::RichText);
    label->setCursor(Qt::PointingHandCursor);
    label->adjustSize();
    return label;
}

// Where the link after label starts: at left, or further right when the
// label's text is wider than the room the layout leaves it.
int AfterLabel(const QLabel* label, int left)
{
    constexpr int gap = 4;
    return std::max(left, label->x() + label->width() + gap);
}

} // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("О программе Calorix v5.0"));
    setWindowIcon(ProgramIcon());
    setFixedSize(ClientWidth, ClientHeight);
    setModal(false);
    // A window does not take its parent's font by itself; the labels are
    // measured in the main window's.
    if (parent)
        setFont(parent->font());

    auto* frame = new QFrame(this);
    frame->setGeometry(2, 2, 205, 205);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* image = new QLabel(this);
    image->setGeometry(0, 0, 205, 205);
    image->setScaledContents(true);
    image->setPixmap(QPixmap::fromImage(RenderAboutImage(205, 205)));

    auto* panel = new QWidget(this);
    panel->setGeometry(208, 0, 223, 211);
    const QStringList title = {QStringLiteral("Справочник"), QStringLiteral("теплофизических свойств"),
                               QStringLiteral("теплоносителей"), QStringLiteral("Calorix")};
    for (int i = 0; i < title.size(); ++i)
        Text(panel, title[i], 0, 4 + 16 * i, 223);
    Text(panel, QStringLiteral("Версия 5.0"), 84, 68);
    Text(panel, QStringLiteral("Разработка: команда Calorix"), 25, 84);
    auto* separator = new QFrame(panel);
    separator->setGeometry(1, 102, 221, 3);
    separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Text(panel, QStringLiteral("Кафедра теплоэнергетики"), 4, 110);
    Text(panel, QStringLiteral("Учебно-методический центр"), 4, 124);
    Text(panel, QStringLiteral("Тел.: +7 (000) 000-00-00"), 4, 138);
    QLabel* mailLabel = Text(panel, QStringLiteral("E-mail:"), 33, 152);
    mailLabel->setObjectName(QStringLiteral("Label8"));
    QLabel* mail = Link(panel, QString::fromLatin1(MailAddress), AfterLabel(mailLabel, 65), 152);
    mail->setObjectName(QStringLiteral("Label10"));
    connect(mail, &QLabel::linkActivated, this, &TForm2::Label10Click);
    QLabel* webLabel = Text(panel, QStringLiteral("Сайт:"), 33, 166);
    webLabel->setObjectName(QStringLiteral("Label11"));
    QLabel* web = Link(panel, QString::fromLatin1(WebAddress).remove(QStringLiteral("https://")),
                       AfterLabel(webLabel, 67), 166);
    web->setObjectName(QStringLiteral("Label9"));
    connect(web, &QLabel::linkActivated, this, &TForm2::Label9Click);

    auto* ok = new QPushButton(QStringLiteral("OK"), panel);
    ok->setGeometry(75, 182, 73, 22);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    // Esc closes the dialog as its cancel action (QDialog's own key handling).
}

void TForm2::Label10Click()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(MailAddress)));
}

void TForm2::Label9Click()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(WebAddress)));
}
