// The form's tables: each edit and check box reaches a member of its own, and the result statics
// show each text that the outputs label exactly once.
#include "app/form_fields.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/result_fields.h"
#include "res/resource_ids.h"

namespace {

TEST(FormFields, EachIntegerEditHasAMemberOfItsOwnReadInTheFormsOrder) {
    BirthInput in;
    in.day = 1;
    in.month = 2;
    in.year = 3;
    in.hour = 4;
    in.minute = 5;
    in.timeZone = 6;
    std::vector<int> ids;
    std::vector<int32_t> values;
    for (const FormIntegerField& field : FormIntegerFields()) {
        ids.push_back(field.id);
        values.push_back(in.*field.member);
    }
    // A field that holds no number is reported in this order.
    EXPECT_EQ(
        ids, (std::vector<int>{IDC_DAY, IDC_HOUR, IDC_MINUTE, IDC_MONTH, IDC_YEAR, IDC_TIME_ZONE}));
    EXPECT_EQ(values, (std::vector<int32_t>{1, 4, 5, 2, 3, 6}));
}

TEST(FormFields, EachCheckBoxHasItsOwnFlag) {
    for (const bool southern : {false, true}) {
        BirthInput in;
        in.southern = southern;
        in.constZone = !southern;
        for (const FormCheckField& field : FormCheckFields()) {
            EXPECT_EQ(in.*field.member, field.id == IDC_SOUTHERN ? southern : !southern)
                << field.id;
        }
    }
    EXPECT_EQ(FormCheckFields().size(), 2u);
}

TEST(FormFields, TheStaticsShowEachLabelledResultOnce) {
    // Births whose texts all differ from one another.
    const BirthInput births[] = {
        {20, 3, 2000, 8, 0, -1, false, false},
        {31, 12, -4713, 23, 59, 12, true, true},
        {1, 1, 99999, 0, 0, -12, true, false},
    };
    for (const BirthInput& in : births) {
        const BirthEvaluation e = Evaluate(in);
        std::multiset<std::string> shown;
        std::set<int> ids;
        for (const FormResultText& result : FormResultTexts()) {
            EXPECT_TRUE(ids.insert(result.id).second) << result.id;
            shown.insert(std::string(result.text(e)));
        }
        std::multiset<std::string> labelled;
        ResultValue value;
        for (const ResultField& field : ResultFields()) {
            if (field.label) {
                field.read(e, value);
                labelled.insert(std::string(value.text));
            }
        }
        EXPECT_EQ(shown, labelled) << e.m_strBirthMoment;
        EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()).size(), shown.size());
    }
}

} // namespace
