// Variables, their conversions, the table and the store that keeps them across runs.
#include "actions/CHXPersistentVariableStore.h"
#include "actions/CHXVariableTable.h"
#include "actions/CVeskVariable.h"
#include "actions/base64.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

using namespace irr;

TEST(Variables, Conversions)
{
	struct Case
	{
		int setAs; // 0 string, 1 int, 2 float
		const char* text;
		s32 integer;
		f32 real;
		const char* asString;
		s32 asInt;
		f32 asFloat;
	};
	const Case cases[] = {
		{ 2, 0, 0, 3.0f, "3", 3, 3.0f },
		{ 2, 0, 0, 2.5f, "2.500000", 2, 2.5f },
		{ 2, 0, 0, -2.5f, "-2.500000", -2, -2.5f },
		{ 2, 0, 0, -0.0000001f, "0", 0, -0.0000001f },
		{ 2, 0, 0, 10.0000005f, "10", 10, 10.0000005f },
		{ 2, 0, 0, 1e30f, "1000000015047466219876688855040", 2147483647, 1e30f },
		{ 1, 0, -42, 0, "-42", -42, -42.f },
		{ 0, "12abc", 0, 0, "12abc", 12, 12.f },
		{ 0, "abc", 0, 0, "abc", 0, 0.f },
		{ 0, "3.5x", 0, 0, "3.5x", 3, 3.5f },
		{ 0, "", 0, 0, "", 0, 0.f },
	};
	for (const Case& c : cases)
	{
		CVeskVariable v;
		if (c.setAs == 0)
			v.setValueAsString(c.text);
		else if (c.setAs == 1)
			v.setValueAsInt(c.integer);
		else
			v.setValueAsFloat(c.real);
		EXPECT_STREQ(v.getValueAsString(), c.asString);
		EXPECT_EQ(v.getValueAsInt(), c.asInt) << c.asString;
		EXPECT_FLOAT_EQ(v.getValueAsFloat(), c.asFloat) << c.asString;
	}
}

TEST(Variables, NewVariableAndValueCopy)
{
	CVeskVariable a;
	EXPECT_TRUE(a.isInt());
	EXPECT_STREQ(a.getName(), "");
	EXPECT_STREQ(a.getValueAsString(), "0");
	a.setValueAsString(0);
	EXPECT_TRUE(a.isString());
	EXPECT_STREQ(a.getValueAsString(), "");

	CVeskVariable b;
	b.setName("b");
	b.setValueAsInt(7);
	b.setValueAsFloat(1.5f); // the integer stays stored beside the float
	a.setName("a");
	a.setValue(&b);
	EXPECT_STREQ(a.getName(), "a");
	EXPECT_TRUE(a.isFloat());
	EXPECT_FLOAT_EQ(a.getValueAsFloat(), 1.5f);
	a.setValueAsInt(a.getValueAsInt());
	EXPECT_EQ(a.getValueAsInt(), 1);
	a.setValue(0);
	EXPECT_EQ(a.getValueAsInt(), 1);
}

TEST(VariableTable, NamesIgnoreCaseAndCreateOnlyWhenAsked)
{
	CHXVariableTable table;
	EXPECT_EQ(table.getVariable("Score", false), nullptr);
	EXPECT_EQ(table.getVariable(0, true), nullptr);
	IHXVariable* score = table.getVariable("Score", true);
	ASSERT_NE(score, nullptr);
	score->setValueAsInt(5);
	IHXVariable* same = table.getVariable("sCORE", false);
	EXPECT_EQ(same, score);
	EXPECT_STREQ(same->getName(), "Score");
	EXPECT_EQ(table.getVariableCount(), 1u);
	same->drop();
	score->drop();
}

TEST(Base64, EncodeAndDecode)
{
	struct Case { const char* bytes; const char* text; };
	const Case cases[] = { { "", "" }, { "f", "Zg==" }, { "fo", "Zm8=" }, { "foo", "Zm9v" }, { "foob", "Zm9vYg==" },
		{ "score=3\n", "c2NvcmU9Mwo=" } };
	for (const Case& c : cases)
	{
		EXPECT_EQ(encodeBase64(c.bytes), c.text);
		EXPECT_EQ(decodeBase64(c.text), c.bytes);
	}
	size_t consumed = 0;
	EXPECT_EQ(decodeBase64("Zm9v!Zm9v", &consumed), "foo");
	EXPECT_EQ(consumed, 4u);
	EXPECT_EQ(decodeBase64("Zm9vY"), "foo"); // a lone final character yields nothing
}

TEST(PersistentStore, TextLayoutAndParsing)
{
	std::map<std::string, std::string> entries;
	entries["score"] = "3.500000";
	entries["Name"] = "a=b";
	EXPECT_EQ(decodeBase64(CHXPersistentVariableStore::encode(entries)), "Name=a=b\nscore=3.500000\n");
	const std::map<std::string, std::string> read =
		CHXPersistentVariableStore::decode(encodeBase64("noequals\n=empty\nx=1\nx=2\ny=\n"));
	EXPECT_EQ(read.size(), 2u);
	EXPECT_EQ(read.at("x"), "2");
	EXPECT_EQ(read.at("y"), "");
}

TEST(PersistentStore, ApplicationKey)
{
	EXPECT_EQ(CHXPersistentVariableStore::makeApplicationKey(""), "HelixpaneApp");
	EXPECT_EQ(CHXPersistentVariableStore::makeApplicationKey("My Game: 2/3 *?\"<>|\\.v1"), "My_Game__2_3________.v1");
	EXPECT_EQ(CHXPersistentVariableStore::makeApplicationKey("Spiel\xc3\xa4"), "Spiel__");
}

TEST(PersistentStore, StoreThenLoadInAFreshStore)
{
	hxtest::TempFolder folder;
	setenv("XDG_DATA_HOME", folder.path().c_str(), 1);
	const std::string path = CHXPersistentVariableStore::makeStorePath("Demo Game");
	EXPECT_EQ(path, folder.path() + "/Helixpane/.Demo_Game");

	CVeskVariable score;
	score.setName("score");
	score.setValueAsFloat(3.5f);
	{
		CHXPersistentVariableStore store(path, 0);
		store.open();
		store.store(&score);
		EXPECT_TRUE(store.close());
	}
	CVeskVariable loaded;
	loaded.setName("score");
	CVeskVariable other;
	other.setName("Score"); // exact names in the store
	other.setValueAsInt(9);
	CHXPersistentVariableStore store(path, 0);
	store.open();
	store.load(&loaded);
	store.load(&other);
	EXPECT_TRUE(loaded.isString());
	EXPECT_STREQ(loaded.getValueAsString(), "3.500000");
	EXPECT_EQ(other.getValueAsInt(), 9);
	EXPECT_EQ(hxtest::readWholeFile(path + ".writing").size(), 0u);
	unsetenv("XDG_DATA_HOME");
}

TEST(PersistentStore, LongValuesAreCutWhenLoaded)
{
	hxtest::TempFolder folder;
	const std::string path = folder.file(".app");
	std::map<std::string, std::string> entries;
	entries["long"] = std::string(5000, 'x');
	const std::string text = CHXPersistentVariableStore::encode(entries);
	hxtest::writeWholeFile(path, std::vector<u8>(text.begin(), text.end()));
	CHXPersistentVariableStore store(path, 0);
	store.open();
	CVeskVariable v;
	v.setName("long");
	store.load(&v);
	EXPECT_EQ(strlen(v.getValueAsString()), size_t(CHXPersistentVariableStore::MAX_LOADED_VALUE_LENGTH));
}

TEST(PersistentStore, CutOrRandomFilesLoadWithoutHarm)
{
	hxtest::TempFolder folder;
	const std::string path = folder.file(".app");
	std::map<std::string, std::string> entries;
	entries["alpha"] = "1";
	entries["beta"] = "two";
	entries["gamma"] = "3.250000";
	const std::string whole = CHXPersistentVariableStore::encode(entries);
	for (size_t cut = 0; cut <= whole.size(); ++cut)
	{
		hxtest::writeWholeFile(path, std::vector<u8>(whole.begin(), whole.begin() + cut));
		CHXPersistentVariableStore store(path, 0);
		store.open();
		// Every entry that survived is one of the stored ones, with a prefix of its value at most.
		for (const auto& entry : store.getEntries())
		{
			ASSERT_TRUE(entries.count(entry.first)) << cut;
			EXPECT_EQ(entries[entry.first].compare(0, entry.second.size(), entry.second), 0) << cut;
		}
	}
	srand(7);
	for (int round = 0; round < 200; ++round)
	{
		std::vector<u8> bytes(size_t(rand() % 300));
		for (u8& b : bytes)
			b = u8(rand());
		hxtest::writeWholeFile(path, bytes);
		CHXPersistentVariableStore store(path, 0);
		store.open();
		CVeskVariable v;
		v.setName("alpha");
		store.load(&v);
	}
}

TEST(PersistentStore, KilledWriterLeavesTheOldOrTheNewFile)
{
	hxtest::TempFolder folder;
	const std::string path = folder.file(".app");
	// Two complete states the writer alternates between; each is large enough to take a while.
	std::map<std::string, std::string> stateA, stateB;
	for (int i = 0; i < 2000; ++i)
	{
		stateA["a" + std::to_string(i)] = std::string(40, 'a');
		stateB["b" + std::to_string(i)] = std::string(40, 'b');
	}
	for (int round = 0; round < 12; ++round)
	{
		const pid_t child = fork();
		ASSERT_GE(child, 0);
		if (child == 0)
		{
			for (int i = 0;; ++i)
			{
				CHXPersistentVariableStore store(path, 0);
				store.open();
				for (const auto& entry : (i % 2 ? stateB : stateA))
				{
					CVeskVariable v;
					v.setName(entry.first.c_str());
					v.setValueAsString(entry.second.c_str());
					store.store(&v);
				}
				store.close();
			}
		}
		usleep(useconds_t(20000 + round * 7000));
		kill(child, SIGKILL);
		waitpid(child, 0, 0);
		CHXPersistentVariableStore store(path, 0);
		store.open();
		const std::map<std::string, std::string>& got = store.getEntries();
		if (got.empty())
			continue; // killed before the first rename
		// The file is a complete state: all of A, or A plus all of B (B is written over A's map).
		EXPECT_TRUE(got.size() == 2000 || got.size() == 4000) << got.size();
		EXPECT_EQ(got.count("a1999"), 1u);
		if (got.size() == 4000)
			EXPECT_EQ(got.count("b1999"), 1u);
	}
}
