#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

struct AppVersion
{
    int major = 0;
    int minor = 0;
};

// The version this program was built as.
AppVersion ProgramVersion();

// "Bêta 9" for major 0 and minor 9; "1.0" for major 1 and minor 0.
QString VersionText(AppVersion version);

// Names the program, its version, author and maker, with a mail button and
// the maker's web address.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr, AppVersion version = ProgramVersion());

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void highlightWeb(bool on);
    void open(const QUrl &address);

    QLabel *m_lblTitle;
    QLabel *m_lblAuthor;
    QLabel *m_lblWeb;
    QPushButton *m_cmdMail;
};

// Shows the About box modally over the parent.
void ShowAbout(QWidget *parent);
