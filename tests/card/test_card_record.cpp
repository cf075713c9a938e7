#include <QtTest>
class Test : public QObject { Q_OBJECT };
QTEST_MAIN(Test)
#include "test_card_record.moc"
