// The stored payloads of the trigger behaviours: read and written back byte for byte, alone
// and inside a whole document.
#include "actions/CHXActionHandler.h"
#include "behaviours/veskBehaviourFactory.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskDocument.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "render/veskSceneManager.h"
#include "scene/CVesk3DScene.h"
#include "scene/CVeskDummyTransformationSceneNode.h"
#include "tests/support/actionTestSupport.h"
#include "tests/support/testSupport.h"
#include "tests/support/veskTestDocuments.h"

#include <gtest/gtest.h>

using namespace irr;

namespace
{

//! A list record holding one toggle-visibility action for node 7.
void writeList(CVeskSerializer* w)
{
	w->writeInt(1);
	const std::vector<u8> list = hxtest::actionListBytes([](CVeskSerializer* w) {
		hxtest::writeActionChunk(w, EHAT_MAKE_SCENE_NODE_INVISIBLE, [](CVeskSerializer* w) {
			w->writeInt(2);
			w->writeInt(7);
			w->writeBool(false);
			w->writeInt(0);
		});
	});
	w->writeBytes(list.data(), u32(list.size()));
}

struct SPayload
{
	s32 type;
	std::vector<u8> bytes;
};

std::vector<SPayload> samplePayloads()
{
	auto payload = [](s32 type, const std::function<void(CVeskSerializer*)>& fill) {
		return SPayload{ type, hxtest::writtenBytes(fill) };
	};
	return {
		payload(EVBT_ON_CLICK, [](CVeskSerializer* w) { w->writeBool(true); w->writeBool(false); w->writeInt(0); writeList(w); }),
		payload(EVBT_ON_MOUSE_MOVE, [](CVeskSerializer* w) {
			w->writeBool(false); w->writeBool(true); w->writeInt(0); w->writeInt(0); writeList(w); }),
		payload(EVBT_ON_MOUSE_MOVE, [](CVeskSerializer* w) {
			w->writeBool(false); w->writeBool(true); w->writeInt(0); writeList(w); w->writeInt(0); }),
		payload(EVBT_ON_COLLIDE, [](CVeskSerializer* w) {
			w->writeInt(1); w->writeInt(1); w->writeFloat(12.5f); w->writeInt(7); w->writeInt(1);
			w->writeVector(core::vector3df(1, 2, 3)); writeList(w); }),
		payload(EVBT_ON_COLLIDE, [](CVeskSerializer* w) {
			w->writeInt(0); w->writeInt(0); w->writeFloat(3.f); w->writeInt(-1); w->writeInt(0); writeList(w); }),
		payload(EVBT_ON_KEY_PRESS, [](CVeskSerializer* w) {
			w->writeInt(1); w->writeInt(16); w->writeBool(false); w->writeInt(0); writeList(w); }),
		payload(EVBT_TIMER, [](CVeskSerializer* w) { w->writeInt(250); w->writeInt(0); writeList(w); }),
		payload(EVBT_ON_FIRST_FRAME, [](CVeskSerializer* w) { w->writeBool(true); w->writeInt(0); w->writeInt(0); }),
	};
}

class EventBehaviourPayloads : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Device = hxtest::createNullDevice();
		ASSERT_NE(Device, nullptr);
		SceneManager = createVeskSceneManager(Device->getSceneManager());
	}
	void TearDown() override
	{
		SceneManager->drop();
		Device->drop();
	}

	IrrlichtDevice* Device = 0;
	scene::ISceneManager* SceneManager = 0;
};

} // end anonymous namespace

TEST_F(EventBehaviourPayloads, EveryPayloadReadsToItsEndAndWritesTheSameBytes)
{
	for (const SPayload& sample : samplePayloads())
	{
		IVeskSerializationSupport* payload = 0;
		scene::ISceneNodeAnimator* behaviour = createBehaviour(sample.type, SceneManager, 0, &payload);
		ASSERT_NE(behaviour, nullptr) << sample.type;
		io::IReadFile* file = hxtest::createReadFileFromBytes(sample.bytes);
		CVeskDeserializer* reader = new CVeskDeserializer(file, 0);
		file->drop();
		payload->readBinary(reader);
		EXPECT_TRUE(reader->isAtEnd()) << sample.type;
		reader->drop();
		EXPECT_EQ(hxtest::writtenBytes([&](CVeskSerializer* w) { payload->writeBinary(w); }), sample.bytes) << sample.type;
		behaviour->drop();
	}
}

TEST_F(EventBehaviourPayloads, ADocumentWithEveryTriggerIsWrittenBackUnchanged)
{
	CVeskDocument* document = new CVeskDocument(Device);
	CVesk3DScene* scene = new CVesk3DScene();
	scene->setName("Triggers");
	scene->setSceneManager(SceneManager);
	scene::ISceneNode* node = new CVeskDummyTransformationSceneNode(SceneManager->getRootSceneNode(), SceneManager, 7);
	node->drop();
	for (const SPayload& sample : samplePayloads())
	{
		IVeskSerializationSupport* payload = 0;
		scene::ISceneNodeAnimator* behaviour = createBehaviour(sample.type, SceneManager, 0, &payload);
		io::IReadFile* file = hxtest::createReadFileFromBytes(sample.bytes);
		CVeskDeserializer* reader = new CVeskDeserializer(file, 0);
		file->drop();
		payload->readBinary(reader);
		reader->drop();
		node->addAnimator(behaviour);
		behaviour->drop();
	}
	document->addScene(scene);
	scene->drop();
	const std::vector<u8> written = hxtest::documentFileBytes(document);
	document->drop();

	CVeskDocument* loaded = 0;
	ASSERT_EQ(hxtest::loadDocument(Device, written, loaded, 0, true), CVeskDocument::LOAD_OK);
	scene::ISceneManager* loadedManager = loaded->getScene(0)->getSceneManager();
	scene::ISceneNode* loadedNode = loadedManager->getSceneNodeFromId(7);
	ASSERT_NE(loadedNode, nullptr);
	EXPECT_EQ(loadedNode->getAnimators().getSize(), samplePayloads().size());
	EXPECT_EQ(hxtest::documentFileBytes(loaded), written);
	loaded->drop();
}
