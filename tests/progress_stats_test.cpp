#include "progress/progress_stats.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class ProgressStatsTest : public QObject
{
    Q_OBJECT

private slots:
};

QTEST_GUILESS_MAIN(ProgressStatsTest)

#include "progress_stats_test.moc"
