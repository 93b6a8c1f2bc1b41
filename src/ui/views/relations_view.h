#pragma once

#include <array>
#include <string>
#include <vector>

#include "textbase/vater2_methoden_form.h"
#include "ui/form_view.h"

class QCheckBox;
class QTabWidget;

namespace vx::qt {

// The relations window, its read-only twin and their common base: four value tabs, each with
// its relation pages (six method boxes each), a read-only memo and its buttons.
class RelationsView : public FormView {
public:
    RelationsView(GuiHost& host, TVater2MethodenForm& form);

protected:
    void Push() override;
    void Pull() override;

private:
    struct RelationTabs {
        QTabWidget* widget = nullptr;
        std::vector<std::string> shownCaptions;
        std::vector<std::array<QCheckBox*, 6>> boxes;
    };
    void RebuildPages(RelationTabs& tabs, const TRelationPageControl& model);

    TVater2MethodenForm& form_;
    std::array<RelationTabs, TVater2MethodenForm::kTabs> relations_;
};

}  // namespace vx::qt
