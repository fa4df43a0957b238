// The publishing tool, run as a program on temporary files, and the demo document it publishes.
#include "document/CVeskDeserializer.h"
#include "document/CVeskDocument.h"
#include "scene/CVeskScene.h"
#include "tests/support/veskTestDocuments.h"
#include "document/publishedExecutable.h"
#include "document/veskVersion.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <cstring>
#include <set>
#include <sys/stat.h>

using namespace irr;

namespace
{

std::string quoted(const std::string& text)
{
	std::string out = "'";
	for (char c : text)
		out += (c == '\'') ? std::string("'\\''") : std::string(1, c);
	return out + "'";
}

std::vector<u8> patternBytes(size_t size, u8 seed)
{
	std::vector<u8> bytes(size);
	for (size_t i = 0; i < size; ++i)
		bytes[i] = u8(seed + i * 7 + (i >> 8));
	return bytes;
}

std::vector<u8> readAll(io::IReadFile* file)
{
	std::vector<u8> bytes(size_t(file->getSize()));
	if (!bytes.empty())
		file->read(bytes.data(), u32(bytes.size()));
	return bytes;
}

std::set<std::string> entriesOf(const std::string& folder)
{
	std::set<std::string> names;
	DIR* dir = opendir(folder.c_str());
	while (dirent* entry = dir ? readdir(dir) : 0)
		if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
			names.insert(entry->d_name);
	if (dir)
		closedir(dir);
	return names;
}

bool exists(const std::string& path)
{
	struct stat info;
	return stat(path.c_str(), &info) == 0;
}

//! A player, a document and a loading image in a temporary folder, and the tool run on them.
class PublishTool : public ::testing::Test
{
protected:
	PublishTool()
		: Player(patternBytes(70000, 1)), Document(patternBytes(1234, 2)), Image(patternBytes(567, 3)),
		  PlayerPath(Folder.file("player")), DocumentPath(Folder.file("document.vesk")),
		  ImagePath(Folder.file("loading.png")), OutputPath(Folder.file("published"))
	{
		hxtest::writeWholeFile(PlayerPath, Player);
		hxtest::writeWholeFile(DocumentPath, Document);
		hxtest::writeWholeFile(ImagePath, Image);
	}

	//! Runs the tool with the given arguments; stderr goes to the file "stderr" next to the inputs.
	int run(const std::string& arguments)
	{
		return hxtest::runCommand(quoted(hxtest::builtProgram("helixpane-publish")) + " " + arguments + " 2> "
			+ quoted(Folder.file("stderr")));
	}

	//! Runs the tool on the fixture's player and document, with more arguments after them.
	int publish(const std::string& moreArguments = "")
	{
		return run("--player " + quoted(PlayerPath) + " --document " + quoted(DocumentPath) + " --output "
			+ quoted(OutputPath) + " " + moreArguments);
	}

	SPublishedTrailer trailerOf(const std::string& path)
	{
		SPublishedTrailer trailer;
		io::IReadFile* file = readPublishedTrailer(path.c_str(), trailer);
		if (file)
			file->drop();
		return trailer;
	}

	std::string errorText() const
	{
		const std::vector<u8> bytes = hxtest::readWholeFile(Folder.file("stderr"));
		return std::string(bytes.begin(), bytes.end());
	}

	hxtest::TempFolder Folder;
	const std::vector<u8> Player;
	const std::vector<u8> Document;
	const std::vector<u8> Image;
	const std::string PlayerPath;
	const std::string DocumentPath;
	const std::string ImagePath;
	const std::string OutputPath;
};

} // end anonymous namespace

TEST_F(PublishTool, PlayerDocumentImageAndTrailerFollowEachOther)
{
	ASSERT_EQ(publish("--loading-image " + quoted(ImagePath)), 0) << errorText();

	const std::vector<u8> output = hxtest::readWholeFile(OutputPath);
	ASSERT_EQ(output.size(), Player.size() + Document.size() + Image.size() + SPublishedTrailer::BYTE_SIZE);
	EXPECT_TRUE(std::equal(Player.begin(), Player.end(), output.begin()));

	SPublishedTrailer trailer;
	io::IReadFile* executable = readPublishedTrailer(OutputPath.c_str(), trailer);
	ASSERT_TRUE(executable);
	EXPECT_EQ(trailer.magic, u32(SPublishedTrailer::MAGIC));
	EXPECT_EQ(trailer.documentOffset, s32(Player.size()));
	EXPECT_EQ(trailer.documentSize, s32(Document.size()));
	EXPECT_EQ(trailer.loadingImageSize, u32(Image.size()));

	io::IReadFile* document = openDocumentFile(executable, trailer);
	ASSERT_TRUE(document);
	EXPECT_EQ(readAll(document), Document);
	document->drop();
	io::IReadFile* image = openLoadingImageFile(executable, trailer);
	ASSERT_TRUE(image);
	EXPECT_EQ(readAll(image), Image);
	image->drop();
	executable->drop();

	struct stat info;
	ASSERT_EQ(stat(OutputPath.c_str(), &info), 0);
	EXPECT_EQ(info.st_mode & 07777, 0755u);
	EXPECT_EQ(entriesOf(Folder.path()), (std::set<std::string>{ "player", "document.vesk", "loading.png", "published", "stderr" }));
}

TEST_F(PublishTool, WithoutLoadingImageTheTrailerFollowsTheDocument)
{
	ASSERT_EQ(publish(), 0) << errorText();

	EXPECT_EQ(hxtest::readWholeFile(OutputPath).size(), Player.size() + Document.size() + SPublishedTrailer::BYTE_SIZE);
	SPublishedTrailer trailer;
	io::IReadFile* executable = readPublishedTrailer(OutputPath.c_str(), trailer);
	ASSERT_TRUE(executable);
	EXPECT_EQ(trailer.loadingImageSize, 0u);
	EXPECT_FALSE(openLoadingImageFile(executable, trailer));
	io::IReadFile* document = openDocumentFile(executable, trailer);
	ASSERT_TRUE(document);
	EXPECT_EQ(readAll(document), Document);
	document->drop();
	executable->drop();
}

TEST_F(PublishTool, WithoutOptionsTheFieldsKeepTheTrailerDefaults)
{
	ASSERT_EQ(publish(), 0) << errorText();

	u8 written[SPublishedTrailer::BYTE_SIZE];
	trailerOf(OutputPath).toBytes(written);
	SPublishedTrailer expected;
	expected.magic = SPublishedTrailer::MAGIC;
	expected.documentOffset = s32(Player.size());
	expected.documentSize = s32(Document.size());
	u8 defaults[SPublishedTrailer::BYTE_SIZE];
	expected.toBytes(defaults);
	for (u32 i = 0; i < SPublishedTrailer::BYTE_SIZE; ++i)
		EXPECT_EQ(written[i], defaults[i]) << "trailer byte " << i;
}

TEST_F(PublishTool, EveryOptionReachesItsTrailerField)
{
	struct Case
	{
		const char* arguments;
		long long (*field)(const SPublishedTrailer&);
		long long expected;
	};
	const Case cases[] = {
		{ "--width 1024", [](const SPublishedTrailer& t) -> long long { return t.windowWidth; }, 1024 },
		{ "--height 640", [](const SPublishedTrailer& t) -> long long { return t.windowHeight; }, 640 },
		{ "--fullscreen", [](const SPublishedTrailer& t) -> long long { return t.fullscreen; }, 1 },
		{ "--driver 2", [](const SPublishedTrailer& t) -> long long { return t.driverType; }, 2 },
		{ "--driver -3", [](const SPublishedTrailer& t) -> long long { return t.driverType; }, -3 },
		{ "--stencil", [](const SPublishedTrailer& t) -> long long { return t.stencilBuffer; }, 1 },
		{ "--vsync", [](const SPublishedTrailer& t) -> long long { return t.vsync; }, 1 },
		{ "--depth-bits 24", [](const SPublishedTrailer& t) -> long long { return t.zBufferBits; }, 24 },
		{ "--color-bits 32", [](const SPublishedTrailer& t) -> long long { return t.colorBits; }, 32 },
		{ "--antialias", [](const SPublishedTrailer& t) -> long long { return t.antiAlias; }, 1 },
		{ "--loading-background 0xFF102030", [](const SPublishedTrailer& t) -> long long { return t.loadingBackground; }, 0xFF102030 },
		{ "--max-fps 30", [](const SPublishedTrailer& t) -> long long { return t.maxFramesPerSecond; }, 30 },
		{ "--flags 0x41", [](const SPublishedTrailer& t) -> long long { return t.flags; }, 0x41 },
		{ "--use-desktop-size", [](const SPublishedTrailer& t) -> long long { return t.flags; }, 0x01 },
		{ "--force-window", [](const SPublishedTrailer& t) -> long long { return t.flags; }, 0x10 },
		{ "--extra-device-flag", [](const SPublishedTrailer& t) -> long long { return t.flags; }, 0x20 },
		{ "--no-post-effects", [](const SPublishedTrailer& t) -> long long { return t.flags; }, 0x40 },
		{ "--flags 0x100 --force-window --no-post-effects", [](const SPublishedTrailer& t) -> long long { return t.flags; }, 0x150 },
		{ "--force-window --flags 0x100", [](const SPublishedTrailer& t) -> long long { return t.flags; }, 0x110 },
		// An option must not leak into its neighbours.
		{ "--fullscreen", [](const SPublishedTrailer& t) -> long long { return t.driverType; }, 5 },
		{ "--width 1024", [](const SPublishedTrailer& t) -> long long { return t.windowHeight; }, 600 },
	};
	for (const Case& c : cases)
	{
		ASSERT_EQ(publish(c.arguments), 0) << c.arguments << ": " << errorText();
		const SPublishedTrailer trailer = trailerOf(OutputPath);
		EXPECT_TRUE(trailer.isValid()) << c.arguments;
		EXPECT_EQ(c.field(trailer), c.expected) << c.arguments;
	}
}

TEST_F(PublishTool, LoadingTextIsStoredUpTo254Characters)
{
	struct Case
	{
		std::string text;
	};
	const Case cases[] = { { "Loading $PROGRESS$..." }, { std::string(254, 'x') }, { "" } };
	for (const Case& c : cases)
	{
		ASSERT_EQ(publish("--loading-text " + quoted(c.text)), 0) << errorText();
		EXPECT_EQ(std::string(trailerOf(OutputPath).getLoadingText().c_str()), c.text);
	}
}

TEST_F(PublishTool, FailedRunsLeaveNoOutputAndKeepAnOlderOne)
{
	mkdir(Folder.file("a-folder").c_str(), 0755);
	const std::string output = " --output " + quoted(OutputPath);
	const std::string inputs = "--player " + quoted(PlayerPath) + " --document " + quoted(DocumentPath);
	struct Case
	{
		std::string arguments;
		std::string inMessage;
	};
	const Case cases[] = {
		{ "--player " + quoted(Folder.file("no-player")) + " --document " + quoted(DocumentPath) + output, "no-player" },
		{ "--player " + quoted(PlayerPath) + " --document " + quoted(Folder.file("no-document")) + output, "no-document" },
		{ inputs + " --loading-image " + quoted(Folder.file("no-image")) + output, "no-image" },
		{ "--player " + quoted(PlayerPath) + " --document " + quoted(Folder.file("a-folder")) + output, "a-folder" },
		{ inputs + " --loading-text " + quoted(std::string(255, 'x')) + output, "254" },
		{ inputs + " --output " + quoted(Folder.file("no-folder/published")), "no-folder" },
		{ inputs + output + " --width 0", "" },
		{ inputs, "" },
	};
	const std::vector<u8> older = patternBytes(99, 9);
	for (bool withOlderOutput : { false, true })
		for (const Case& c : cases)
		{
			std::set<std::string> expectedEntries{ "player", "document.vesk", "loading.png", "a-folder", "stderr" };
			if (withOlderOutput)
			{
				hxtest::writeWholeFile(OutputPath, older);
				expectedEntries.insert("published");
			}
			else
				unlink(OutputPath.c_str());

			EXPECT_NE(run(c.arguments), 0) << c.arguments;

			if (withOlderOutput)
				EXPECT_EQ(hxtest::readWholeFile(OutputPath), older) << c.arguments;
			else
				EXPECT_FALSE(exists(OutputPath)) << c.arguments;
			EXPECT_EQ(entriesOf(Folder.path()), expectedEntries) << c.arguments << ": a temporary file stayed behind";
			const std::string message = errorText();
			EXPECT_FALSE(message.empty()) << c.arguments;
			EXPECT_NE(message.find(c.inMessage), std::string::npos) << c.arguments << ": " << message;
		}
}

TEST_F(PublishTool, InputErrorsAreOneLineOnStandardError)
{
	ASSERT_NE(publish("--loading-image " + quoted(Folder.file("no-image"))), 0);
	const std::string message = errorText();
	EXPECT_EQ(message.find("helixpane-publish: "), 0u) << message;
	EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
}

TEST_F(PublishTool, ReplacesAnOlderOutputWithAnExecutableOne)
{
	hxtest::writeWholeFile(OutputPath, patternBytes(99, 9));
	chmod(OutputPath.c_str(), 0600);

	ASSERT_EQ(publish(), 0) << errorText();

	EXPECT_EQ(hxtest::readWholeFile(OutputPath).size(), Player.size() + Document.size() + SPublishedTrailer::BYTE_SIZE);
	struct stat info;
	ASSERT_EQ(stat(OutputPath.c_str(), &info), 0);
	EXPECT_EQ(info.st_mode & 07777, 0755u);
}

TEST_F(PublishTool, BareOutputNameIsWrittenInTheWorkingFolder)
{
	ASSERT_EQ(hxtest::runCommand("cd " + quoted(Folder.path()) + " && " + quoted(hxtest::builtProgram("helixpane-publish"))
				  + " --player player --document document.vesk --output bare-name 2> stderr"),
		0)
		<< errorText();
	EXPECT_TRUE(trailerOf(Folder.file("bare-name")).isValid());
}

TEST_F(PublishTool, WithoutPlayerOptionThePlayerNextToTheToolIsUsed)
{
	mkdir(Folder.file("tools").c_str(), 0755);
	const std::string tool = Folder.file("tools/helixpane-publish");
	ASSERT_EQ(hxtest::runCommand("cp " + quoted(hxtest::builtProgram("helixpane-publish")) + " " + quoted(tool)), 0);
	hxtest::writeWholeFile(Folder.file("tools/helixpane-player"), Player);

	ASSERT_EQ(hxtest::runCommand(quoted(tool) + " --document " + quoted(DocumentPath) + " --output " + quoted(OutputPath)
				  + " 2> " + quoted(Folder.file("stderr"))),
		0)
		<< errorText();

	const std::vector<u8> output = hxtest::readWholeFile(OutputPath);
	ASSERT_GT(output.size(), Player.size());
	EXPECT_TRUE(std::equal(Player.begin(), Player.end(), output.begin()));
	EXPECT_EQ(trailerOf(OutputPath).documentOffset, s32(Player.size()));
}

TEST(DemoDocument, HoldsSettingsStartSceneAndTwoComposedScenes)
{
	hxtest::TempFolder folder;
	const std::string path = folder.file("demo.vesk");
	ASSERT_EQ(hxtest::runCommand(quoted(hxtest::builtProgram("helixpane-demo-document")) + " " + quoted(path)), 0);
	IrrlichtDevice* device = hxtest::createNullDevice();
	CVeskDocument* document = 0;
	ASSERT_EQ(hxtest::loadDocument(device, hxtest::readWholeFile(path), document, 0, true), 0);

	const SPublishingSettings& settings = document->getSettings();
	EXPECT_EQ(settings.kind, 3);
	EXPECT_STREQ(settings.applicationTitle.c_str(), "Helixpane Demo");
	EXPECT_EQ(settings.loadingFlags, 3);
	EXPECT_EQ(settings.loadingBackground.color, 0xFF000000u);
	EXPECT_STREQ(settings.loadingText.c_str(), "Loading $PROGRESS$...");

	ASSERT_EQ(document->getSceneCount(), 2);
	EXPECT_EQ(document->getStartScene(), document->getScene(0));
	const char* names[2] = { "Courtyard", "Gallery" };
	for (s32 i = 0; i < 2; ++i)
	{
		CVeskScene* scene = document->getScene(i);
		EXPECT_STREQ(scene->getName().c_str(), names[i]);
		EXPECT_NE(scene->findActiveCamera(), nullptr) << names[i];
		// Authored at a quarter of the visible value: a dim ambient light, never none.
		const video::SColorf ambient = scene->getSceneManager()->getAmbientLight();
		EXPECT_GT(ambient.r, 0.f);
		EXPECT_LT(ambient.r, 0.25f);
		std::multiset<std::string> types;
		const core::list<scene::ISceneNode*>& nodes = scene->getSceneManager()->getRootSceneNode()->getChildren();
		for (core::list<scene::ISceneNode*>::ConstIterator it = nodes.begin(); it != nodes.end(); ++it)
		{
			char code[5] = { 0 };
			const u32 type = u32((*it)->getType());
			memcpy(code, &type, 4);
			types.insert(code);
		}
		EXPECT_GE(types.count("fmsh"), 5u) << names[i];
		EXPECT_EQ(types.count("fsky"), 1u) << names[i];
		EXPECT_EQ(types.count("flgh"), 2u) << names[i];
		EXPECT_EQ(types.count("fbll"), 1u) << names[i];
		EXPECT_EQ(types.count("fcam"), 1u) << names[i];
	}

	// Every texture a material names is embedded, and so is the skinned mesh.
	std::set<std::string> textures;
	bool skinnedMesh = false;
	for (u32 i = 0; i < document->getEmbeddedFileCount(); ++i)
	{
		const SVeskEmbeddedFile& entry = document->getEmbeddedFile(i);
		EXPECT_EQ(entry.Name[0], '#');
		if (entry.KindFlags == SVeskEmbeddedFile::KIND_TEXTURE)
		{
			EXPECT_NE(device->getVideoDriver()->findTexture(entry.Name.c_str()), nullptr) << entry.Name.c_str();
			textures.insert(entry.Name.c_str());
		}
		skinnedMesh = skinnedMesh || entry.KindFlags == SVeskEmbeddedFile::KIND_SKINNED_MESH;
	}
	EXPECT_TRUE(skinnedMesh);
	EXPECT_EQ(device->getSceneManager()->getMeshCache()->getMeshByName("#courtyard-swaying-box.b3d") != 0, true);
	EXPECT_GE(textures.size(), 11u);
	document->drop();
	device->drop();
}
