#include "Forms.h"

#include "host/forms/PropDock.h"
#include "host/forms/QtUserInterface.h"
#include "package/OperationConfig.h"
#include "package/forms/TOperationConfig.h"
#include "pictures/Camembert.h"
#include "pictures/De.h"
#include "pictures/Montre.h"
#include "pictures/forms/TCamembertProp.h"
#include "pictures/forms/TDeProp.h"
#include "pictures/forms/TMontreProp.h"

// Each form adds its registration here.
void RegisterForms(TQtUserInterface& ui, TPropDockWidget& dock) {
    ui.RegisterForm("OperationConfig", &TOperationConfig::Cree,
                    [] { return std::make_unique<TOperationConfigModel>(); });
    dock.RegisterPropForm("DeProp", [](TComposant& c, QWidget* parent) {
        return new TDeProp(dynamic_cast<TvlDe&>(c), parent);
    });
    dock.RegisterPropForm("CamembertProp", [](TComposant& c, QWidget* parent) {
        return new TCamembertProp(dynamic_cast<TvlCamembert&>(c), parent);
    });
    dock.RegisterPropForm("MontreProp", [](TComposant& c, QWidget* parent) {
        return new TMontreProp(dynamic_cast<TvlMontre&>(c), parent);
    });
}
