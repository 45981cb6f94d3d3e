#include "host/forms/TPagePosition.h"

#include "host/forms/NumberEdits.h"

// The generated form declares a namespace Ui, which the user-interface service's Ui() also
// names: it is renamed here.
#define Ui UiPagePosition
#include "ui_TPagePosition.h"
#undef Ui

TPagePosition::TPagePosition(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<UiPagePosition::TPagePosition>()) {
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
