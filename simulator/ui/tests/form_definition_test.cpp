// The form definitions hold together: unique names, one component per tab stop,
// everything inside the client area, buttons with results.
#include "form_definition.h"

#include <gtest/gtest.h>

#include <set>

namespace {
void expectConsistent(const FormDefinition& form)
{
    std::set<std::wstring_view> names;
    std::set<int> tabOrders;
    for (const ComponentDefinition& component : form.components) {
        SCOPED_TRACE(std::string(component.name.begin(), component.name.end()));
        EXPECT_TRUE(names.insert(component.name).second) << "duplicate name";
        if (component.tabOrder >= 0) {
            EXPECT_TRUE(tabOrders.insert(component.tabOrder).second) << "duplicate tab order";
        }
        EXPECT_GE(component.left, 0);
        EXPECT_GE(component.top, 0);
        EXPECT_LE(component.left + component.width, form.clientWidth);
        EXPECT_LE(component.top + component.height, form.clientHeight);
        if (component.kind == ComponentKind::Button) {
            EXPECT_NE(component.result, 0);
        }
    }
    // The tab stops are numbered 0, 1, 2, ... without gaps.
    int expected = 0;
    for (int tab : tabOrders)
        EXPECT_EQ(tab, expected++);
}
} // namespace

TEST(FormDefinitions, BothFormsAreConsistent)
{
    expectConsistent(f_config);
    expectConsistent(f_wyniki);
}
