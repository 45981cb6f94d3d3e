#include "host/forms/HelpWindow.h"

#include "host/forms/QtConversions.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QToolButton* toolButton(const QString& caption, const QString& tip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace

HelpWindow::HelpWindow(std::string contents, QWidget* parent)
    : QWidget(parent, Qt::Window), contents_(std::move(contents)), browser_(new QTextBrowser(this)),
      search_(new QLineEdit(this)), note_(new QLabel(this)),
      back_(toolButton(QStringLiteral("◀ Précédent"), QStringLiteral("Page précédente (Alt+←)"),
                       this)),
      forward_(
          toolButton(QStringLiteral("Suivant ▶"), QStringLiteral("Page suivante (Alt+→)"), this)) {
    setObjectName(QStringLiteral("fenetreAide"));
    // Closing the editor ends the program even when the help stays open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(720, 780);
    auto* home =
        toolButton(QStringLiteral("Sommaire"), QStringLiteral("Le sommaire de l'aide"), this);
    auto* findPrevious = toolButton(QStringLiteral("▲"),
                                    QStringLiteral("Occurrence précédente "
                                                   "(Maj+F3)"),
                                    this);
    auto* findNext =
        toolButton(QStringLiteral("▼"), QStringLiteral("Occurrence suivante (F3)"), this);
    search_->setPlaceholderText(QStringLiteral("Rechercher dans la page (Ctrl+F)"));
    search_->setClearButtonEnabled(true);
    search_->setObjectName(QStringLiteral("rechercheAide"));
    browser_->setOpenExternalLinks(true);
    note_->setWordWrap(true);
    note_->setObjectName(QStringLiteral("noteAide"));
    note_->hide();

    auto* bar = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{back_, forward_, home})
        bar->addWidget(w);
    bar->addStretch(1);
    bar->addWidget(search_, 2);
    bar->addWidget(findPrevious);
    bar->addWidget(findNext);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);
    layout->addWidget(note_);

    back_->setShortcut(QKeySequence::Back);
    forward_->setShortcut(QKeySequence::Forward);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, [this] { Open(contents_, {}); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::pageChanged);
    connect(search_, &QLineEdit::returnPressed, this, [this] { FindNext(false); });
    connect(findNext, &QToolButton::clicked, this, [this] { FindNext(false); });
    connect(findPrevious, &QToolButton::clicked, this, [this] { FindNext(true); });
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        search_->setFocus();
        search_->selectAll();
    });
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this,
            [this] { FindNext(false); });
    connect(new QShortcut(QKeySequence::FindPrevious, this), &QShortcut::activated, this,
            [this] { FindNext(true); });
    back_->setEnabled(false);
    forward_->setEnabled(false);
}

void HelpWindow::Open(const std::string& page, const std::string& note) {
    const QString path = ToQString(page);
    if (QFileInfo(path).isFile())
        browser_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()),
                            QTextDocument::MarkdownResource);
    else {
        setWindowTitle(QStringLiteral("Aide"));
        browser_->setMarkdown(QStringLiteral("# Aide\n\nL'aide n'est pas installée\u00A0: la page "
                                             "«\u00A0%1\u00A0» est introuvable.")
                                  .arg(path));
    }
    note_->setText(ToQString(note));
    note_->setVisible(!note.empty());
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

std::string HelpWindow::CurrentPage() const {
    return browser_->source().toLocalFile().toStdString();
}

QString HelpWindow::Note() const {
    return note_->text();
}

bool HelpWindow::FindNext(bool backward) {
    const QString text = search_->text();
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (browser_->find(text, flags))
        return true;
    // From the other end of the page.
    QTextCursor cursor = browser_->textCursor();
    cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    browser_->setTextCursor(cursor);
    if (browser_->find(text, flags))
        return true;
    note_->setText(QStringLiteral("«\u00A0%1\u00A0» n'est pas dans cette page.").arg(text));
    note_->show();
    return false;
}

// The title follows the page's first heading; a link to a page that is not there says so.
void HelpWindow::pageChanged() {
    const QString title = browser_->document()->firstBlock().text().trimmed();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Aide")
                                   : QStringLiteral("Aide – %1").arg(title));
    note_->hide();
    const QString file = browser_->source().toLocalFile();
    if (!file.isEmpty() && !QFileInfo(file).isFile()) {
        note_->setText(QStringLiteral("La page «\u00A0%1\u00A0» n'est pas installée.")
                           .arg(QFileInfo(file).fileName()));
        note_->show();
    }
}
