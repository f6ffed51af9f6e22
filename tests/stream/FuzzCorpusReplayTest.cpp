// Replays the fuzz target's seed corpus through the target itself, so every
// build (and the sanitizer build of CI) checks that the readers take each
// seed without a crash, a leak or a failed round trip.
#include "../../fuzz/fuzz_sheet_stream.cpp"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(FuzzCorpusReplay, EverySeedPasses)
{
    const QDir corpus(QStringLiteral(CALORIX_FUZZ_CORPUS "/sheet_stream"));
    const QStringList seeds = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(seeds.isEmpty()) << "no seeds in " << corpus.path().toStdString();
    for (const QString& name : seeds) {
        SCOPED_TRACE(name.toStdString());
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                         static_cast<size_t>(bytes.size())),
                  0);
    }
}
