// SPDX-License-Identifier: GPL-3.0-or-later
// A bank's checksum beside it: damage that still reads as GBK is caught, a bank without a
// checksum file reads as before.
#include "bankcheck.h"
#include "bankchecksum.h"
#include "problemrecord.h"
#include "recordcheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray Record(const QString &problem, const QString &solution, const QString &answer)
{
    return EncodeProblemRecord(problem, solution, answer).bytes;
}

const QByteArray Bank = Record(u"加减应用题介绍"_s, u"先找数量关系"_s, QString()) +
                        Record(u"小明有3本书，又买了4本，一共有几本？"_s,
                               u"数量关系：原有+买来=一共。列式：3+4=7（本）。"_s, u"7"_s);

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

/// The second record's first character, 小 (0xD0 0xA1), turned into 啊 (0xB0 0xA1): still
/// GBK, still a sound record, and wrong.
QByteArray QuietlyDamaged()
{
    QByteArray bytes = Bank;
    bytes[470] = char(0xb0);
    return bytes;
}

struct Case {
    const char *name;
    QByteArray bank;     // the bank's bytes on disk
    QByteArray checksum; // the checksum file; null: none
    bool readsSound;     // record 2 is read and sound
    bool checkNamesBank; // lumaro-bank check names the bank as differing
};

class BankChecksum : public testing::TestWithParam<Case> {
protected:
    QTemporaryDir m_dir;
};

TEST_P(BankChecksum, DecidesWhetherTheBankIsRead)
{
    const Case &c = GetParam();
    const QString bank = m_dir.filePath(u"tm1.dat"_s);
    ASSERT_TRUE(WriteFile(bank, c.bank));
    if (!c.checksum.isNull()) {
        ASSERT_TRUE(WriteFile(m_dir.filePath(u"tm1.sha256"_s), c.checksum));
    }
    const BankSnapshot snapshot = ReadBankSnapshot(bank, 2);
    EXPECT_EQ(snapshot.RecordCount, 2);
    EXPECT_EQ(IsSoundRecord(snapshot.record, RecordRole::Problem), c.readsSound);
    EXPECT_EQ(IsSoundRecord(ReadProblemRecord(bank, 1), RecordRole::Introduction), c.readsSound);
    const QStringList violations = CheckBankFile(bank);
    const bool named = std::any_of(violations.begin(), violations.end(), [&](const QString &v) {
        return v.startsWith(bank) && v.contains(u"tm1.sha256"_s);
    });
    EXPECT_EQ(named, c.checkNamesBank);
}

const QByteArray Checksum = BankChecksumText(Bank, u"tm1.dat"_s);

INSTANTIATE_TEST_SUITE_P(
    Cases, BankChecksum,
    testing::Values(Case{"matching", Bank, Checksum, true, false},
                    Case{"matching_in_capitals", Bank, Checksum.left(64).toUpper(), true, false},
                    Case{"damage_that_stays_gbk", QuietlyDamaged(), Checksum, false, true},
                    Case{"no_checksum_file", Bank, QByteArray(), true, false},
                    Case{"no_checksum_file_damaged", QuietlyDamaged(), QByteArray(), true, false},
                    Case{"empty_checksum_file", Bank, ""_ba, false, true},
                    Case{"checksum_of_another_bank", Bank,
                         BankChecksumText(QuietlyDamaged(), u"tm1.dat"_s), false, true},
                    Case{"no_hex_digits", Bank, QByteArray(64, 'z') + "  tm1.dat\n", false, true}),
    [](const testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

TEST(BankChecksumFile, LiesBesideTheBankInSha256sumForm)
{
    EXPECT_EQ(BankChecksumPath(u"/opt/lumaro/tm1.dat"_s), u"/opt/lumaro/tm1.sha256"_s);
    EXPECT_EQ(BankChecksumPath(u"/opt/lumaro/TM2.DAT"_s), u"/opt/lumaro/TM2.sha256"_s);
    EXPECT_EQ(BankChecksumPath(u"bank"_s), u"bank.sha256"_s);
    // sha256sum's own line for these bytes: its digest, two blanks, the name.
    EXPECT_EQ(BankChecksumText("abc", u"tm1.dat"_s),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad  tm1.dat\n");
}

TEST(BankChecksumFile, AFolderInItsPlaceIsDamageNotAHang)
{
    QTemporaryDir dir;
    const QString bank = dir.filePath(u"tm1.dat"_s);
    ASSERT_TRUE(WriteFile(bank, Bank));
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"tm1.sha256"_s));
    EXPECT_EQ(CheckBankChecksum(bank, Bank), ChecksumVerdict::Differs);
    EXPECT_FALSE(IsSoundRecord(ReadProblemRecord(bank, 2), RecordRole::Problem));
}

} // namespace
