#include "core/number_text.h"
#include "core/runtime_error.h"
#include "tests/support/test_main.h"

#include <cfloat>

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void placeholder() { QCOMPARE(StrText(5), QStringLiteral(" 5")); }
};

TESSAROLEN_TEST_MAIN(NumberTextTest)
#include "test_number_text.moc"
