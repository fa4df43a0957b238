// The action list: its record with every kind of action, damaged records, running by index,
// and the list operations.
#include "actions/CHXActionChangeSceneNodePosition.h"
#include "actions/CHXActionChangeSceneNodeTexture.h"
#include "actions/CHXActionCloneSceneNode.h"
#include "actions/CHXActionHandler.h"
#include "actions/CHXActionIf.h"
#include "actions/CHXActionQuitApplication.h"
#include "actions/CHXActionSetActiveCamera.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "tests/support/actionTestSupport.h"
#include "tests/support/testSupport.h"
#include "tests/support/veskTestDocuments.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace irr;

namespace
{

void writeVector(CVeskSerializer* w, f32 x, f32 y, f32 z)
{
	w->writeVector(core::vector3df(x, y, z));
}

//! A list record holding one action of every kind this player carries out, with values other
//! than the defaults, laid out field by field as documents store them. With skipped, records
//! the player cannot carry out and a foreign chunk lie between them.
std::vector<u8> everyKindRecord(bool skipped)
{
	using hxtest::writeActionChunk;
	return hxtest::actionListBytes([skipped](CVeskSerializer* w) {
		writeActionChunk(w, 0, [](CVeskSerializer* w) { w->writeInt(1); w->writeInt(4); w->writeBool(true); w->writeInt(0); });
		// Random area, animated: both optional fields present.
		writeActionChunk(w, 1, [](CVeskSerializer* w) {
			w->writeInt(4); w->writeInt(5); w->writeBool(false); writeVector(w, 1, 2, 3); writeVector(w, 4, 5, 6);
			w->writeBool(true); w->writeInt(7); w->writeInt(1); w->writeInt(250);
		});
		// Fixed position, not animated: neither optional field.
		writeActionChunk(w, 1, [](CVeskSerializer* w) {
			w->writeInt(0); w->writeInt(5); w->writeBool(false); writeVector(w, 9, 8, 7);
			w->writeBool(false); w->writeInt(-1); w->writeInt(0);
		});
		if (skipped)
		{
			writeActionChunk(w, 5, [](CVeskSerializer* w) { w->writeString("boom.wav"); w->writeInt(3); w->writeBool(true); });
			w->beginChunk(99);
			w->writeInt(12345);
			w->endChunk();
		}
		writeActionChunk(w, 2, [](CVeskSerializer* w) { w->writeInt(1); w->writeInt(6); w->writeBool(false); writeVector(w, 0, 90, 0); w->writeInt(1); w->writeInt(500); });
		writeActionChunk(w, 3, [](CVeskSerializer* w) { w->writeInt(1); w->writeInt(6); w->writeBool(true); writeVector(w, 2, 2, 2); w->writeInt(0); });
		writeActionChunk(w, 4, [](CVeskSerializer* w) { w->writeInt(1); w->writeInt(3); w->writeBool(false); w->writeString("tex.png"); w->writeInt(2); w->writeInt(0); });
		writeActionChunk(w, 8, [](CVeskSerializer* w) { w->writeInt(0); w->writeString("http://example.org"); w->writeString("_self"); });
		writeActionChunk(w, 9, [](CVeskSerializer* w) { w->writeInt(3); w->writeBool(false); w->writeBool(true); w->writeString("walk"); w->writeInt(0); });
		writeActionChunk(w, 10, [](CVeskSerializer* w) { w->writeString("Yard"); w->writeInt(0); });
		writeActionChunk(w, 11, [](CVeskSerializer* w) { w->writeInt(8); w->writeInt(0); });
		writeActionChunk(w, 12, [](CVeskSerializer* w) {
			w->writeInt(2); w->writeInt(8); w->writeBool(false); writeVector(w, 0, 1, 0);
			w->writeBool(true); w->writeInt(-1); w->writeInt(1); w->writeInt(300);
		});
		if (skipped)
		{
			writeActionChunk(w, 13, [](CVeskSerializer* w) { w->writeInt(0); w->writeFloat(2.f); });
			writeActionChunk(w, 7, [](CVeskSerializer* w) { w->writeInt(0); w->writeString("print(1);"); });
		}
		writeActionChunk(w, 14, [](CVeskSerializer* w) { w->writeInt(0); });
		writeActionChunk(w, 15, [](CVeskSerializer* w) { w->writeInt(0); w->writeInt(9); w->writeBool(false); w->writeString("Score: $score$"); });
		writeActionChunk(w, 16, [](CVeskSerializer* w) { w->writeInt(0); w->writeString("score"); w->writeInt(1); w->writeInt(0); w->writeString("5"); });
		writeActionChunk(w, 17, [](CVeskSerializer* w) {
			w->writeInt(1); w->writeString("score"); w->writeInt(2); w->writeInt(1); w->writeString("limit");
			w->writeInt(1);
			w->beginChunk(29);
			hxtest::writeActionChunk(w, 0, [](CVeskSerializer* w) { w->writeInt(0); w->writeInt(4); w->writeBool(false); w->writeInt(0); });
			w->endChunk();
			w->writeInt(0);
		});
		writeActionChunk(w, 18, [](CVeskSerializer* w) { w->writeInt(4); w->writeBool(true); w->writeInt(0); });
		writeActionChunk(w, 19, [](CVeskSerializer* w) { w->writeInt(0); w->writeString("score"); w->writeBool(false); });
		writeActionChunk(w, 20, [](CVeskSerializer* w) { w->writeInt(0); w->writeString("Hall"); });
		writeActionChunk(w, 21, [](CVeskSerializer* w) { w->writeInt(0); w->writeInt(4); w->writeBool(true); w->writeInt(0); });
		writeActionChunk(w, 22, [](CVeskSerializer* w) {
			w->writeInt(4); w->writeBool(false); w->writeInt(0);
			w->writeInt(1);
			w->beginChunk(29);
			hxtest::writeActionChunk(w, 23, [](CVeskSerializer* w) { w->writeInt(-1); w->writeBool(true); w->writeInt(1000); w->writeInt(0); });
			w->endChunk();
		});
		writeActionChunk(w, 23, [](CVeskSerializer* w) { w->writeInt(4); w->writeBool(true); w->writeInt(1000); w->writeInt(0); });
		if (skipped)
			writeActionChunk(w, 26, [](CVeskSerializer* w) { w->writeInt(2); });
	});
}

class ActionList : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Device = hxtest::createNullDevice();
		ASSERT_NE(Device, nullptr);
		video::IImage* image = Device->getVideoDriver()->createImage(video::ECF_A8R8G8B8, core::dimension2du(2, 2));
		Texture = Device->getVideoDriver()->addTexture("tex.png", image);
		image->drop();
	}
	void TearDown() override { Device->drop(); }

	IrrlichtDevice* Device = nullptr;
	video::ITexture* Texture = nullptr;
};

std::vector<s32> typesOf(IHXActionHandler* list)
{
	std::vector<s32> types;
	for (s32 i = 0; i < list->getActionCount(); ++i)
		types.push_back(list->getAction(i)->getType());
	return types;
}

} // end anonymous namespace

TEST_F(ActionList, RecordOfEveryKindReadsFieldByFieldAndWritesTheSameBytes)
{
	const std::vector<u8> record = everyKindRecord(true);
	long readEnd = 0;
	CHXActionHandler* list = hxtest::readActionList(Device, record, &readEnd);
	EXPECT_EQ(readEnd, long(record.size()));
	EXPECT_EQ(typesOf(list), std::vector<s32>({ 0, 1, 1, 2, 3, 4, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23 }));
	// The kinds without a player subsystem and the foreign chunk are gone; everything else
	// comes back byte for byte.
	EXPECT_EQ(hxtest::writtenActionList(list), everyKindRecord(false));

	CHXActionChangeSceneNodePosition* area = dynamic_cast<CHXActionChangeSceneNodePosition*>(list->getAction(1));
	ASSERT_NE(area, nullptr);
	EXPECT_EQ(area->MaxPosition, core::vector3df(4, 5, 6));
	EXPECT_EQ(area->Relative.NodeId, 7);
	EXPECT_TRUE(area->Relative.UseCurrentNode);
	EXPECT_EQ(area->TimeMs, 250);
	CHXActionChangeSceneNodePosition* fixed = dynamic_cast<CHXActionChangeSceneNodePosition*>(list->getAction(2));
	EXPECT_EQ(fixed->TimeMs, 1000);
	CHXActionChangeSceneNodeTexture* texture = dynamic_cast<CHXActionChangeSceneNodeTexture*>(list->getAction(5));
	EXPECT_EQ(texture->getTexture(), Texture);
	EXPECT_EQ(texture->MaterialIndex, 2);
	CHXActionIf* condition = dynamic_cast<CHXActionIf*>(list->getActionOfType(EHAT_IF));
	ASSERT_NE(condition->getThenActions(), nullptr);
	EXPECT_EQ(condition->getThenActions()->getActionCount(), 1);
	EXPECT_EQ(condition->getElseActions(), nullptr);
	CHXActionQuitApplication* quit = dynamic_cast<CHXActionQuitApplication*>(list->getActionOfType(EHAT_QUIT_APPLICATION));
	EXPECT_EQ(quit->getDevice(), Device); // taken from the reader
	list->drop();
}

TEST_F(ActionList, ForeignAndDamagedRecordsLoadWhatTheyHold)
{
	// A record that is not a list is stepped over whole and leaves the list empty.
	const std::vector<u8> foreign = hxtest::writtenBytes([](CVeskSerializer* w) {
		w->beginChunk(31);
		hxtest::writeActionChunk(w, 0, [](CVeskSerializer* w) { w->writeInt(0); w->writeInt(1); w->writeBool(false); w->writeInt(0); });
		w->endChunk();
		w->writeInt(777);
	});
	long readEnd = 0;
	CHXActionHandler* list = hxtest::readActionList(Device, foreign, &readEnd);
	EXPECT_EQ(list->getActionCount(), 0);
	EXPECT_EQ(readEnd, long(foreign.size()) - 4);
	list->drop();

	// Type numbers outside the table are skipped.
	list = hxtest::readActionList(Device, hxtest::actionListBytes([](CVeskSerializer* w) {
		hxtest::writeActionChunk(w, 27, [](CVeskSerializer* w) { w->writeInt(1); });
		hxtest::writeActionChunk(w, -1, [](CVeskSerializer* w) { w->writeInt(1); });
		hxtest::writeActionChunk(w, 14, [](CVeskSerializer* w) { w->writeInt(0); });
	}));
	EXPECT_EQ(typesOf(list), std::vector<s32>({ 14 }));
	list->drop();

	// Every cut of a full record loads without harm and never reads past what it was given.
	const std::vector<u8> record = everyKindRecord(true);
	for (size_t size = 0; size < record.size(); ++size)
	{
		list = hxtest::readActionList(Device, std::vector<u8>(record.begin(), record.begin() + size), &readEnd);
		EXPECT_LE(readEnd, long(size));
		list->drop();
	}
}

TEST_F(ActionList, NestingFromADamagedFileIsBounded)
{
	// A thousand if-actions, each holding the next in its list, built from the inside out.
	const auto chunk = [](u16 tag, const std::vector<u8>& payload) {
		std::vector<u8> bytes = hxtest::writtenBytes([&](CVeskSerializer* w) {
			w->writeUShort(tag);
			w->writeUInt(u32(payload.size()));
		});
		bytes.insert(bytes.end(), payload.begin(), payload.end());
		return bytes;
	};
	const std::vector<u8> ifFields = hxtest::writtenBytes([](CVeskSerializer* w) {
		w->writeInt(EHAT_IF); w->writeInt(0); w->writeString("v"); w->writeInt(0); w->writeInt(0); w->writeString("1");
		w->writeInt(1);
	});
	std::vector<u8> record = chunk(CHXActionHandler::TAG_ACTION_LIST, {});
	for (int level = 0; level < 1000; ++level)
	{
		std::vector<u8> action = ifFields;
		action.insert(action.end(), record.begin(), record.end());
		record = chunk(CHXActionHandler::TAG_ACTION_LIST, chunk(CHXActionHandler::TAG_ACTION, action));
	}
	long readEnd = 0;
	CHXActionHandler* list = hxtest::readActionList(Device, record, &readEnd);
	EXPECT_EQ(readEnd, long(record.size()));
	int levels = 0;
	for (IHXActionHandler* inner = list; inner && inner->getActionCount() == 1; ++levels)
		inner = static_cast<CHXActionIf*>(inner->getAction(0))->getThenActions();
	EXPECT_EQ(levels, CHXActionHandler::MAX_NESTING_DEPTH);
	list->drop();

	// A size far beyond the file ends at the file's end.
	std::vector<u8> huge = hxtest::actionListBytes([](CVeskSerializer* w) {
		hxtest::writeActionChunk(w, 14, [](CVeskSerializer* w) { w->writeInt(0); });
	});
	huge[2] = huge[3] = huge[4] = huge[5] = 0xFF;
	list = hxtest::readActionList(Device, huge, &readEnd);
	EXPECT_EQ(list->getActionCount(), 1);
	EXPECT_EQ(readEnd, long(huge.size()));
	list->drop();
}

namespace
{

//! Records that it ran and then does whatever the test asks.
class CRecordingAction : public IHXAction
{
public:
	CRecordingAction(std::vector<std::string>& log, const std::string& name, std::function<void()> effect = nullptr)
		: Log(log), Name(name), Effect(effect) {}
	virtual s32 getType() const { return 99; }
	virtual IHXAction* clone() const { return new CRecordingAction(Log, Name, Effect); }
	virtual void execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
	{
		Log.push_back(Name);
		if (Effect)
			Effect();
	}
	virtual void serializeAttributes(io::IAttributes*, scene::ISceneManager*) const {}
	virtual void deserializeAttributes(io::IAttributes*, scene::ISceneManager*) {}
	virtual void replaceSceneNodeId(s32, s32) {}
	virtual void writeBinary(CVeskSerializer*) {}
	virtual void readBinary(CVeskDeserializer*) {}

private:
	std::vector<std::string>& Log;
	std::string Name;
	std::function<void()> Effect;
};

void addRecording(IHXActionHandler* list, std::vector<std::string>& log, const std::string& name,
	std::function<void()> effect = nullptr)
{
	IHXAction* action = new CRecordingAction(log, name, effect);
	list->addAction(action);
	action->drop();
}

} // end anonymous namespace

TEST_F(ActionList, RunWalksByIndexOverTheListAsItChanges)
{
	scene::ISceneManager* manager = Device->getSceneManager();
	scene::ISceneNode* node = manager->addEmptySceneNode();
	std::vector<std::string> log;

	CHXActionHandler* list = new CHXActionHandler(0);
	addRecording(list, log, "a");
	addRecording(list, log, "b", [&] { list->removeActionAt(0); });
	addRecording(list, log, "c");
	list->runActions(node, manager);
	// c moved into the place that was already run.
	EXPECT_EQ(log, std::vector<std::string>({ "a", "b" }));

	log.clear();
	list->removeActionAt(0);
	list->removeActionAt(0);
	addRecording(list, log, "grows", [&] {
		if (list->getActionCount() == 1)
			addRecording(list, log, "appended");
	});
	list->runActions(node, manager);
	EXPECT_EQ(log, std::vector<std::string>({ "grows", "appended" }));

	log.clear();
	list->runActions(0, manager);
	list->runActions(node, 0);
	EXPECT_TRUE(log.empty());

	// The owner lets go of the list while it runs; the run still ends normally.
	log.clear();
	CHXActionHandler* owned = new CHXActionHandler(0);
	addRecording(owned, log, "first", [&] { owned->drop(); });
	addRecording(owned, log, "second");
	owned->runActions(node, manager);
	EXPECT_EQ(log, std::vector<std::string>({ "first", "second" }));
	list->drop();
}

TEST_F(ActionList, OperationsIgnoreWhatIsNotThere)
{
	std::vector<std::string> log;
	CHXActionHandler* list = new CHXActionHandler(0);
	addRecording(list, log, "x");
	IHXAction* camera = list->createAction(EHAT_SET_ACTIVE_CAMERA);
	list->insertAction(camera, 0);
	list->insertAction(0, 0);
	list->addAction(0);
	EXPECT_EQ(typesOf(list), std::vector<s32>({ EHAT_SET_ACTIVE_CAMERA, 99 }));
	EXPECT_EQ(list->getAction(-1), nullptr);
	EXPECT_EQ(list->getAction(2), nullptr);
	EXPECT_EQ(list->getActionOfType(EHAT_SWITCH_TO_SCENE), nullptr);
	EXPECT_EQ(list->getActionOfType(EHAT_SET_ACTIVE_CAMERA), camera);
	list->removeActionAt(5);
	list->removeActionAt(-1);
	IHXAction* stranger = list->createAction(EHAT_QUIT_APPLICATION);
	list->removeAction(stranger);
	EXPECT_EQ(list->getActionCount(), 2);
	stranger->drop();
	list->removeAction(camera);
	EXPECT_EQ(typesOf(list), std::vector<s32>({ 99 }));
	camera->drop();

	const s32 unsupported[] = { 5, 6, 7, 13, 24, 25, 26, 27, -1 };
	for (s32 type : unsupported)
		EXPECT_EQ(list->createAction(type), nullptr) << type;
	list->drop();
}

TEST_F(ActionList, ClonesAreIndependentAndIdsAreReplacedEverywhere)
{
	CHXActionHandler* list = hxtest::readActionList(Device, everyKindRecord(false));
	list->replaceSceneNodeId(7, 70);
	list->replaceSceneNodeId(4, 40);
	CHXActionChangeSceneNodePosition* area = static_cast<CHXActionChangeSceneNodePosition*>(list->getAction(1));
	EXPECT_EQ(area->Relative.NodeId, 70);
	EXPECT_EQ(area->Target.NodeId, 5);
	CHXActionCloneSceneNode* cloner = static_cast<CHXActionCloneSceneNode*>(list->getActionOfType(EHAT_CLONE_SCENE_NODE));
	EXPECT_EQ(cloner->Target.NodeId, 40);
	CHXActionSetActiveCamera* camera = static_cast<CHXActionSetActiveCamera*>(list->getActionOfType(EHAT_SET_ACTIVE_CAMERA));
	list->replaceSceneNodeId(8, 80);
	EXPECT_EQ(camera->CameraNodeId, 80);

	IHXActionHandler* copy = list->clone();
	ASSERT_EQ(typesOf(copy), typesOf(list));
	EXPECT_EQ(hxtest::writtenActionList(static_cast<CHXActionHandler*>(copy)), hxtest::writtenActionList(list));
	CHXActionChangeSceneNodePosition* copiedArea = static_cast<CHXActionChangeSceneNodePosition*>(copy->getAction(1));
	EXPECT_NE(copiedArea, area);
	copiedArea->Vector.set(100, 100, 100);
	EXPECT_EQ(area->Vector, core::vector3df(1, 2, 3));
	CHXActionCloneSceneNode* copiedCloner = static_cast<CHXActionCloneSceneNode*>(copy->getActionOfType(EHAT_CLONE_SCENE_NODE));
	EXPECT_NE(copiedCloner->getActions(), cloner->getActions());
	copiedCloner->getActions()->removeActionAt(0);
	EXPECT_EQ(cloner->getActions()->getActionCount(), 1);
	EXPECT_EQ(static_cast<CHXActionChangeSceneNodeTexture*>(copy->getAction(5))->getTexture(), Texture);
	copy->drop();
	list->drop();
}
