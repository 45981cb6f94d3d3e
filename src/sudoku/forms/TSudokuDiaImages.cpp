#include "sudoku/forms/TSudokuDiaImages.h"

#include "host/forms/ScaledImage.h"
#include "sudoku/SudokuDiaImages.h"

#include <QBuffer>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kCote = 72; // side of a picture on screen, in pixels

// A coloured token with as many dots as its value, as a PNG picture.
TPicture jeton(int valeur, QColor couleur) {
    QImage image(96, 96, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(couleur);
        p.setPen(QPen(couleur.darker(), 3));
        p.drawEllipse(6, 6, 84, 84);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < valeur; ++i)
            p.drawEllipse(QPointF(30 + 18 * (i % 3), 30 + 18 * (i / 3)), 7, 7);
    }
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");
    TPicture picture;
    picture.LoadFromBytes(std::vector<std::uint8_t>(octets.begin(), octets.end()));
    return picture;
}

} // namespace

TSudokuDiaImages::TSudokuDiaImages(SudokuDiaImagesModele& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("TSudokuDiaImages"));
    setWindowTitle(QStringLiteral("Choix des images"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    auto* fenetre = new QVBoxLayout(this);
    lbConsigne = new QLabel(QStringLiteral("Cliquez sur une image pour la changer.\n"
                                           "Sans image, le chiffre est écrit."),
                            this);
    fenetre->addWidget(lbConsigne);

    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(12);
    grille->setVerticalSpacing(10);
    for (int valeur = 1; valeur <= 9; ++valeur) {
        const QString chiffre = QString::number(valeur);
        auto* titre = new QLabel(chiffre, this);
        titre->setAlignment(Qt::AlignCenter);
        QFont gras = titre->font();
        gras.setBold(true);
        titre->setFont(gras);

        auto* image = new TScaledImage(this);
        image->setObjectName(QStringLiteral("Image") + chiffre);
        image->setFixedSize(kCote, kCote);
        image->setFrameShape(QFrame::Box);
        image->setCursor(Qt::PointingHandCursor);
        image->setToolTip(QStringLiteral("Cliquez pour choisir l'image du chiffre ") + chiffre);
        image->setStyleSheet(QStringLiteral("background-color: white;"));
        image->installEventFilter(this);
        Images[size_t(valeur - 1)] = image;

        auto* efface = new QPushButton(QStringLiteral("Effacer"), this);
        efface->setObjectName(QStringLiteral("btEfface") + chiffre);
        efface->setAutoDefault(false);
        efface->setToolTip(QStringLiteral("Retirer l'image\u00A0: le chiffre ") + chiffre +
                           QStringLiteral(" sera écrit"));
        connect(efface, &QPushButton::clicked, this, &TSudokuDiaImages::btEffaceClick);
        btEfface[size_t(valeur - 1)] = efface;

        auto* colonne = new QVBoxLayout;
        colonne->setSpacing(3);
        colonne->addWidget(titre);
        colonne->addWidget(image, 0, Qt::AlignHCenter);
        colonne->addWidget(efface, 0, Qt::AlignHCenter);
        grille->addLayout(colonne, (valeur - 1) / 3, (valeur - 1) % 3);
        montre(valeur);
    }
    fenetre->addLayout(grille);

    auto* boutons = new QHBoxLayout;
    btAide = new QPushButton(QStringLiteral("Aide"), this);
    btAide->setAutoDefault(false);
    btOk = new QPushButton(QStringLiteral("OK"), this);
    btOk->setDefault(true);
    btAnnuler = new QPushButton(QStringLiteral("Annuler"), this);
    btAnnuler->setAutoDefault(false);
    boutons->addWidget(btAide);
    boutons->addStretch();
    boutons->addWidget(btOk);
    boutons->addWidget(btAnnuler);
    fenetre->addSpacing(6);
    fenetre->addLayout(boutons);

    connect(btOk, &QPushButton::clicked, this, &TSudokuDiaImages::btOkClick);
    connect(btAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(btAide, &QPushButton::clicked, this, &TSudokuDiaImages::btAideClick);
    setFixedSize(sizeHint());
}

std::unique_ptr<QDialog> TSudokuDiaImages::Cree(TFormModel& model, QWidget* parent) {
    auto* modele = dynamic_cast<SudokuDiaImagesModele*>(&model);
    if (modele == nullptr)
        return nullptr;
    return std::make_unique<TSudokuDiaImages>(*modele, parent);
}

std::unique_ptr<TFormModel> TSudokuDiaImages::Exemple() {
    auto modele = std::make_unique<SudokuDiaImagesModele>(nullptr);
    modele->ChangeImage(1, jeton(1, QColor(220, 60, 60)));
    modele->ChangeImage(2, jeton(2, QColor(60, 120, 220)));
    modele->ChangeImage(3, jeton(3, QColor(60, 170, 90)));
    modele->ChangeImage(5, jeton(5, QColor(230, 160, 30)));
    return modele;
}

void TSudokuDiaImages::montre(int valeur) {
    const TPicture& image = model_.Image(valeur);
    Images[size_t(valeur - 1)]->SetPicture(image);
    btEfface[size_t(valeur - 1)]->setEnabled(!image.Empty());
}

bool TSudokuDiaImages::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int valeur = 1; valeur <= 9; ++valeur) {
            if (Images[size_t(valeur - 1)] != watched)
                continue;
            ImageClick(valeur);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TSudokuDiaImages::ImageClick(int valeur) {
    if (model_.Charge(valeur))
        montre(valeur);
}

void TSudokuDiaImages::btEffaceClick() {
    const QString nom = sender() != nullptr ? sender()->objectName() : QString();
    const int valeur = nom.isEmpty() ? 0 : nom.back().digitValue();
    if (valeur < 1 || valeur > 9)
        return;
    model_.Efface(valeur);
    montre(valeur);
}

void TSudokuDiaImages::btOkClick() {
    model_.Valide();
    done(mrOk);
}

void TSudokuDiaImages::btAideClick() {
    model_.btAideClick();
}
