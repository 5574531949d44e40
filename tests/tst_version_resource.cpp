// The Windows version resource, compiled with the MinGW resource compiler, reads back as designed;
// with --exe PATH, read back from the Windows program itself.
#include "support/version_resource.h"

#include <QTest>
#include <fstream>
#include <iterator>
#include <vector>

using velsora::testing::ResourceFile;

namespace {
const char* executable = nullptr; // the program given with --exe, read instead of the .res

std::vector<unsigned char> readBytes()
{
    std::ifstream file(executable != nullptr ? executable : VELSORA_VERSION_RES, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::optional<ResourceFile> parse(const std::vector<unsigned char>& bytes)
{
    return executable != nullptr ? velsora::testing::readExecutable(bytes) : velsora::testing::readResourceFile(bytes);
}
} // namespace

class TestVersionResource : public QObject {
    Q_OBJECT
private slots:
    void strings_data();
    void strings();
    void fixedInfoAndTranslation();
    void icon();
    void rejectsGarbage();
};

void TestVersionResource::strings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("FileVersion") << "FileVersion"
                                 << "1.00";
    QTest::newRow("ProductVersion") << "ProductVersion"
                                    << "1.00";
    QTest::newRow("InternalName") << "InternalName"
                                  << "Velsora";
    QTest::newRow("OriginalFilename") << "OriginalFilename"
                                      << "Velsora.exe";
    QTest::newRow("ProductName") << "ProductName"
                                 << "Velsora";
    QTest::newRow("CompanyName") << "CompanyName"
                                 << "Velsora developers";
    QTest::newRow("FileDescription") << "FileDescription"
                                     << "Velsora magic square puzzle";
}

void TestVersionResource::strings()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    const auto res = parse(readBytes());
    QVERIFY(res.has_value());
    QCOMPARE(res->strings.size(), std::size_t{1});
    QVERIFY(res->strings.count("040904B0") == 1); // English (United States), Unicode
    const auto& table = res->strings.at("040904B0");
    const auto found = table.find(name.toStdString());
    QVERIFY2(found != table.end(), qPrintable(name));
    QCOMPARE(QString::fromStdString(found->second), value);
}

void TestVersionResource::fixedInfoAndTranslation()
{
    const auto res = parse(readBytes());
    QVERIFY(res.has_value());
    QCOMPARE(res->fileVersionMS, 0x00010000u); // 1.0
    QCOMPARE(res->fileVersionLS, 0u);          // .0.0
    QCOMPARE(res->productVersionMS, 0x00010000u);
    QCOMPARE(res->translations, (std::vector<std::pair<int, int>>{{0x409, 1200}}));
}

void TestVersionResource::icon()
{
    const auto res = parse(readBytes());
    QVERIFY(res.has_value());
    QCOMPARE(res->iconGroups.size(), std::size_t{1});
    QCOMPARE(res->iconGroups[0].size(), std::size_t{1});
    const auto& entry = res->iconGroups[0][0];
    QCOMPARE(entry.width, 32);
    QCOMPARE(entry.height, 32);
    QCOMPARE(entry.bitCount, 8);
}

void TestVersionResource::rejectsGarbage()
{
    QVERIFY(!parse({}).has_value());
    std::vector<unsigned char> bytes = readBytes();
    bytes.resize(bytes.size() / 2);
    QVERIFY(!parse(bytes).has_value());
    QVERIFY(!parse(std::vector<unsigned char>(64, 0xFF)).has_value());
}

int main(int argc, char** argv)
{
    std::vector<char*> args(argv, argv + argc);
    for (std::size_t i = 1; i + 1 < args.size(); ++i) {
        if (qstrcmp(args[i], "--exe") == 0) {
            executable = args[i + 1];
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                       args.begin() + static_cast<std::ptrdiff_t>(i + 2));
            break;
        }
    }
    TestVersionResource test;
    return QTest::qExec(&test, static_cast<int>(args.size()), args.data());
}
#include "tst_version_resource.moc"
