// The document inspector: complete reports of sound documents, and a fault line, never a
// crash, for damaged ones.
#include "document/CVeskDocument.h"
#include "document/SPublishedTrailer.h"
#include "tests/support/testSupport.h"
#include "tests/support/veskTestDocuments.h"

#include <gtest/gtest.h>

#include <random>

using namespace irr;

namespace
{

struct SRun
{
	int status;
	std::string output;
};

SRun inspect(const hxtest::TempFolder& folder, const std::vector<u8>& bytes, const char* options = "")
{
	const std::string input = folder.file("input");
	const std::string output = folder.file("output");
	hxtest::writeWholeFile(input, bytes);
	SRun run;
	run.status = hxtest::runCommand(hxtest::builtProgram("helixpane-inspect") + " " + options + " '" + input + "' > '" + output + "' 2>&1");
	const std::vector<u8> text = hxtest::readWholeFile(output);
	run.output.assign(text.begin(), text.end());
	return run;
}

std::vector<u8> sampleBytes(IrrlichtDevice* device)
{
	CVeskDocument* document = hxtest::createSampleDocument(device);
	const std::vector<u8> bytes = hxtest::documentFileBytes(document);
	document->drop();
	return bytes;
}

class Inspector : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Device = hxtest::createNullDevice();
		ASSERT_NE(Device, nullptr);
		Sample = sampleBytes(Device);
	}
	void TearDown() override
	{
		if (Device)
			Device->drop();
	}
	IrrlichtDevice* Device = 0;
	std::vector<u8> Sample;
	hxtest::TempFolder Folder;
};

} // end anonymous namespace

TEST_F(Inspector, ReportsEveryPartOfASoundDocumentAndTheSameAfterARoundTrip)
{
	const SRun run = inspect(Folder, Sample);
	EXPECT_EQ(run.status, 0) << run.output;
	const char* expected[] = { "header: vesk version 0650", "applicationTitle: Sample application", "scene 0: 3d \"Level one\"",
		"gravity: 3.5", "scene 1: panorama \"Panorama\"", "fmsh id 5 \"node 5\"", "materials 3", "start scene: 1",
		"skinned mesh \"#walker.b3d\" 1425 bytes", "script \"behavior_x\"" };
	for (const char* text : expected)
		EXPECT_NE(run.output.find(text), std::string::npos) << text << "\n" << run.output;
	EXPECT_EQ(run.output.find("fault at"), std::string::npos);

	CVeskDocument* reread = 0;
	ASSERT_EQ(hxtest::loadDocument(Device, Sample, reread, 0, true), 0);
	const std::vector<u8> again = hxtest::documentFileBytes(reread);
	reread->drop();
	EXPECT_EQ(inspect(Folder, again).output, run.output);

	const SRun json = inspect(Folder, Sample, "--json");
	EXPECT_EQ(json.status, 0);
	EXPECT_NE(json.output.find("\"applicationId\": \"com.helixpane.app12345\""), std::string::npos) << json.output;
}

TEST_F(Inspector, FindsTheDocumentInsideAPublishedExecutable)
{
	std::vector<u8> exe(100, 0x90);
	exe.insert(exe.end(), Sample.begin(), Sample.end());
	SPublishedTrailer trailer;
	trailer.magic = SPublishedTrailer::MAGIC;
	trailer.documentOffset = 100;
	trailer.documentSize = s32(Sample.size());
	u8 bytes[SPublishedTrailer::BYTE_SIZE];
	trailer.toBytes(bytes);
	exe.insert(exe.end(), bytes, bytes + sizeof(bytes));
	SRun run = inspect(Folder, exe);
	EXPECT_EQ(run.status, 0) << run.output;
	EXPECT_NE(run.output.find("documentOffset: 100"), std::string::npos) << run.output;
	EXPECT_NE(run.output.find("scene 1: panorama"), std::string::npos);

	trailer.documentSize = s32(exe.size());
	trailer.toBytes(bytes);
	std::copy(bytes, bytes + sizeof(bytes), exe.end() - sizeof(bytes));
	run = inspect(Folder, exe);
	EXPECT_NE(run.status, 0);
	EXPECT_NE(run.output.find("fault at offset"), std::string::npos) << run.output;
}

TEST_F(Inspector, NamesTheOffsetOfTheFirstFault)
{
	struct Case { size_t cut; const char* expected; };
	const Case cases[] = {
		{ 5, "fault at offset 0: expected the 12-byte document header" },
		{ 12, "fault at offset 12: expected a chunk header inside the document" },
		{ 64, "fault at offset 12: expected chunk 1 of" },
	};
	for (const Case& c : cases)
	{
		const SRun run = inspect(Folder, std::vector<u8>(Sample.begin(), Sample.begin() + c.cut));
		EXPECT_NE(run.status, 0);
		EXPECT_NE(run.output.find(c.expected), std::string::npos) << run.output;
	}
	std::vector<u8> badMagic(Sample);
	badMagic[0] = 'V';
	EXPECT_NE(inspect(Folder, badMagic).output.find("fault at offset 0: expected the magic"), std::string::npos);
	const SRun truncated = inspect(Folder, std::vector<u8>(Sample.begin(), Sample.begin() + 2048));
	EXPECT_NE(truncated.output.find("scene 0: 3d \"Level one\""), std::string::npos) << "what was read is still shown";
}

TEST_F(Inspector, SurvivesRandomDamage)
{
	std::mt19937 random(1234);
	for (int round = 0; round < 150; ++round)
	{
		std::vector<u8> damaged(Sample);
		const int changes = 1 + int(random() % 8);
		for (int i = 0; i < changes; ++i)
			damaged[random() % damaged.size()] = u8(random());
		if (round % 3 == 0)
			damaged.resize(12 + random() % (damaged.size() - 12));
		const SRun run = inspect(Folder, damaged);
		ASSERT_TRUE(run.status == 0 || run.status == 1) << "round " << round << " status " << run.status << "\n" << run.output;
		EXPECT_EQ(run.status == 1, run.output.find("fault at offset") != std::string::npos) << run.output;
	}
}

TEST_F(Inspector, DemoDocumentReadsAndWritesBackUnchanged)
{
	const std::string path = Folder.file("demo.vesk");
	ASSERT_EQ(hxtest::runCommand(hxtest::builtProgram("helixpane-demo-document") + " '" + path + "'"), 0);
	const std::vector<u8> original = hxtest::readWholeFile(path);
	const SRun before = inspect(Folder, original);
	EXPECT_EQ(before.status, 0) << before.output;
	EXPECT_NE(before.output.find("scene 1: 3d \"Gallery\""), std::string::npos) << before.output;
	EXPECT_NE(before.output.find("skinned mesh \"#courtyard-swaying-box.b3d\""), std::string::npos) << before.output;

	CVeskDocument* reread = 0;
	ASSERT_EQ(hxtest::loadDocument(Device, original, reread, 0, true), 0);
	const std::vector<u8> again = hxtest::documentFileBytes(reread);
	reread->drop();
	EXPECT_EQ(inspect(Folder, again).output, before.output);
	EXPECT_TRUE(again == original);
}
