#include "host/forms/TPagePosition.h"

#include "host/forms/NumberEdits.h"

#include "ui_TPagePosition.h"

TPagePosition::TPagePosition(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Forms::Ui::TPagePosition>()) {
    ui_->setupUi(this);
    gbPosition = ui_->gbPosition;
    edOrgX = ui_->edOrgX;
    edOrgY = ui_->edOrgY;
    edSizeX = ui_->edSizeX;
    edSizeY = ui_->edSizeY;
    gbOptions = ui_->gbOptions;
    chkDetachable = ui_->chkDetachable;
    chkActif = ui_->chkActif;
}

TPagePosition::~TPagePosition() = default;
