// The scene manager's extension: its lifetime, the scene settings as root attributes, and the
// render passes of the frame drawing.
#include "render/CVeskSceneManagerExtension.h"
#include "render/ISceneDrawCallbacks.h"
#include "render/veskRenderPass.h"
#include "render/veskSceneManager.h"
#include "scene/CVeskMeshSceneNode.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace irr;

namespace
{

class SceneManagerExtension : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Device = hxtest::createNullDevice();
		ASSERT_NE(Device, nullptr);
		SceneManager = createVeskSceneManager(Device->getSceneManager());
		ASSERT_NE(SceneManager, nullptr);
		Extension = getSceneExtension(SceneManager);
		ASSERT_NE(Extension, nullptr);
		Attributes = Device->getFileSystem()->createEmptyAttributes(Device->getVideoDriver());
	}

	void TearDown() override
	{
		if (Attributes)
			Attributes->drop();
		if (SceneManager)
			SceneManager->drop();
		if (Device)
			Device->drop();
	}

	std::vector<std::string> attributeNames() const
	{
		std::vector<std::string> names;
		for (u32 i = 0; i < Attributes->getAttributeCount(); ++i)
			names.push_back(Attributes->getAttributeName(s32(i)));
		return names;
	}

	bool written(const char* name) const { return Attributes->existsAttribute(name); }

	IrrlichtDevice* Device = nullptr;
	scene::ISceneManager* SceneManager = nullptr;
	CVeskSceneManagerExtension* Extension = nullptr;
	io::IAttributes* Attributes = nullptr;
};

} // end anonymous namespace

TEST_F(SceneManagerExtension, DiesWithItsManagerAndIsFoundOnlyOnManagersMadeForIt)
{
	EXPECT_EQ(getSceneExtension(Device->getSceneManager()), nullptr);
	EXPECT_EQ(getSceneExtension(nullptr), nullptr);
	EXPECT_EQ(Extension->getSceneManager(), SceneManager);

	// The manager must not be kept alive by its extension, and must release it.
	EXPECT_EQ(SceneManager->getReferenceCount(), 1);
	Extension->grab();
	SceneManager->drop();
	SceneManager = nullptr;
	EXPECT_EQ(Extension->getReferenceCount(), 1);
	EXPECT_EQ(Extension->getSceneManager(), nullptr);
	Extension->drawAll(0);
	Extension->drop();
}

TEST_F(SceneManagerExtension, ItsNodeFactoryMakesTheProgramsNodesByTypeName)
{
	scene::ISceneNode* node = SceneManager->addSceneNode("fmsh");
	ASSERT_NE(node, nullptr);
	EXPECT_EQ(node->getParent(), SceneManager->getRootSceneNode());
	EXPECT_NE(dynamic_cast<CVeskMeshSceneNode*>(node), nullptr);
	EXPECT_EQ(node->getReferenceCount(), 1);
	EXPECT_EQ(SceneManager->addSceneNode("nope"), nullptr);
}

TEST_F(SceneManagerExtension, NewManagerHasTheDefaultSettings)
{
	EXPECT_EQ(Extension->getBackgroundColor().color, 0x80414141u);
	EXPECT_FLOAT_EQ(Extension->getGravity(), 10.f);
	bool enabled = true;
	video::SColor color;
	f32 a = 0, b = 0, c = 0, d = 0, e = 0;
	Extension->getFog(enabled, color, a);
	EXPECT_FALSE(enabled);
	EXPECT_EQ(color.color, 0xFFC8C8C8u);
	EXPECT_FLOAT_EQ(a, 0.007f);
	Extension->getWind(enabled, a, b);
	EXPECT_FALSE(enabled);
	EXPECT_FLOAT_EQ(a, 1.f);
	EXPECT_FLOAT_EQ(b, 2.f);
	Extension->getShadowSettings(enabled, a, b, c, d, e);
	EXPECT_FALSE(enabled);
	EXPECT_FLOAT_EQ(a, 0.001f);
	EXPECT_FLOAT_EQ(b, 0.005f);
	EXPECT_FLOAT_EQ(c, 0.5f);
	EXPECT_FLOAT_EQ(d, 0.5f);
	EXPECT_FLOAT_EQ(e, 0.2f);

	bool flags[6];
	s32 bloomIterations = 0, blurIterations = 0;
	f32 treshold = 0, intensity = 0, radiusA = 0, radiusB = 0;
	Extension->getPostEffectSettings(flags, bloomIterations, blurIterations, color, treshold, intensity, radiusA, radiusB);
	for (bool flag : flags)
		EXPECT_FALSE(flag);
	EXPECT_EQ(bloomIterations, 2);
	EXPECT_EQ(blurIterations, 2);
	EXPECT_EQ(color.color, 0xFFFF0000u);
	EXPECT_FLOAT_EQ(treshold, 0.7f);
	EXPECT_FLOAT_EQ(intensity, 0.8f);
	EXPECT_FLOAT_EQ(radiusA, 0.4f);
	EXPECT_FLOAT_EQ(radiusB, 0.55f);
	EXPECT_FALSE(Extension->isAnyPostEffectEnabled());
}

TEST_F(SceneManagerExtension, PostEffectSettingsKeepEachValueInItsPlace)
{
	const bool flags[6] = { false, true, false, false, true, false };
	Extension->setPostEffectSettings(flags, 3, 4, video::SColor(0xFF00FF00), 0.25f, 0.5f, 0.75f, 0.9f);
	bool readFlags[6];
	s32 bloomIterations = 0, blurIterations = 0;
	video::SColor color;
	f32 treshold = 0, intensity = 0, radiusA = 0, radiusB = 0;
	Extension->getPostEffectSettings(readFlags, bloomIterations, blurIterations, color, treshold, intensity, radiusA, radiusB);
	for (int i = 0; i < 6; ++i)
		EXPECT_EQ(readFlags[i], flags[i]) << i;
	EXPECT_EQ(bloomIterations, 3);
	EXPECT_EQ(blurIterations, 4);
	EXPECT_EQ(color.color, 0xFF00FF00u);
	EXPECT_FLOAT_EQ(treshold, 0.25f);
	EXPECT_FLOAT_EQ(intensity, 0.5f);
	EXPECT_FLOAT_EQ(radiusA, 0.75f);
	EXPECT_FLOAT_EQ(radiusB, 0.9f);
	EXPECT_TRUE(Extension->isAnyPostEffectEnabled());
}

TEST_F(SceneManagerExtension, DisabledFogWindAndShadowsWriteNoParameters)
{
	Extension->serializeAttributes(Attributes);
	const std::vector<std::string> expected = {
		"AmbientLight", "BackgroundColor", "Gravity", "Fog", "Wind", "Realtime Shadows",
		"Bloom", "Black and White", "Invert", "Blur", "Colorize", "Vignette"
	};
	EXPECT_EQ(attributeNames(), expected);
}

TEST_F(SceneManagerExtension, EnabledSettingsWriteTheirParametersAfterTheirSwitch)
{
	Extension->setFog(true, video::SColor(0xFF102030), 0.5f);
	Extension->setWind(true, 3.f, 4.f);
	Extension->setShadowSettings(true, 0.1f, 0.2f, 0.3f, 0.4f, 0.6f);
	const bool flags[6] = { true, false, false, false, false, true };
	Extension->setPostEffectSettings(flags, 5, 2, video::SColor(0xFFFF0000), 0.6f, 0.8f, 0.4f, 0.55f);
	Extension->serializeAttributes(Attributes);
	const std::vector<std::string> expected = {
		"AmbientLight", "BackgroundColor", "Gravity", "Fog", "FogColor", "FogDensity",
		"Wind", "WindSpeed", "WindStrength", "Realtime Shadows", "Shadow Opacity", "Shadow DetailFactor",
		"Shadow Bias1", "Shadow Bias2", "Shadow BackfaceBias",
		"Bloom", "Bloom_BlurIterations", "Bloom_Treshold", "Black and White", "Invert", "Blur", "Colorize",
		"Vignette", "Vignette_Intensity", "Vignette_RadiusA", "Vignette_RadiusB"
	};
	EXPECT_EQ(attributeNames(), expected);
	EXPECT_EQ(Attributes->getAttributeAsInt("Bloom_BlurIterations"), 5);
	EXPECT_FLOAT_EQ(Attributes->getAttributeAsFloat("Shadow Opacity"), 0.4f);
}

TEST_F(SceneManagerExtension, OptionFlagsChooseWhatIsWritten)
{
	SceneManager->getRootSceneNode()->setName("root");
	SceneManager->getRootSceneNode()->setID(7);
	struct SCase
	{
		s32 Flags;
		const char* First;
		bool Settings;
		bool PostEffects;
	};
	const SCase cases[] = {
		{ 0, "AmbientLight", true, true },
		{ io::EARWF_FOR_EDITOR, "AmbientLight", true, false },
		{ io::EARWF_FOR_EDITOR | CVeskSceneManagerExtension::ATTRIBUTES_POST_EFFECTS_ONLY, "Bloom", false, true },
		{ CVeskSceneManagerExtension::ATTRIBUTES_WITH_ID_AND_NAME, "Id", true, true },
	};
	for (const SCase& c : cases)
	{
		Attributes->clear();
		io::SAttributeReadWriteOptions options;
		options.Flags = c.Flags;
		Extension->serializeAttributes(Attributes, &options);
		ASSERT_GT(Attributes->getAttributeCount(), 0u) << c.Flags;
		EXPECT_STREQ(Attributes->getAttributeName(0), c.First) << c.Flags;
		EXPECT_EQ(written("Gravity"), c.Settings) << c.Flags;
		EXPECT_EQ(written("Realtime Shadows"), c.Settings) << c.Flags;
		EXPECT_EQ(written("Vignette"), c.PostEffects) << c.Flags;
	}
	EXPECT_EQ(Attributes->getAttributeAsInt("Id"), 7);
	EXPECT_EQ(Attributes->getAttributeAsString("Name"), core::stringc("root"));
}

TEST_F(SceneManagerExtension, EffectParametersAreTakenByPositionAndName)
{
	struct SCase
	{
		const char* Description;
		const char* SecondName;
		s32 ExpectedIterations;
	};
	const SCase cases[] = {
		{ "parameter right after the switch", "Bloom_BlurIterations", 9 },
		{ "other name at the parameter's position", "Gravity", 2 },
	};
	for (const SCase& c : cases)
	{
		CVeskSceneManagerExtension* extension = new CVeskSceneManagerExtension(SceneManager);
		Attributes->clear();
		Attributes->addBool("Bloom", true);
		Attributes->addInt(c.SecondName, 9);
		Attributes->addFloat("Bloom_Treshold", 0.3f);
		extension->deserializeAttributes(Attributes);
		bool flags[6];
		s32 bloomIterations = 0, blurIterations = 0;
		video::SColor color;
		f32 treshold = 0, intensity = 0, radiusA = 0, radiusB = 0;
		extension->getPostEffectSettings(flags, bloomIterations, blurIterations, color, treshold, intensity, radiusA, radiusB);
		EXPECT_TRUE(flags[0]) << c.Description;
		EXPECT_EQ(bloomIterations, c.ExpectedIterations) << c.Description;
		EXPECT_FLOAT_EQ(treshold, 0.3f) << c.Description;
		extension->drop();
	}
}

TEST_F(SceneManagerExtension, AttributesWrittenByOneManagerSetUpAnother)
{
	SceneManager->setAmbientLight(video::SColorf(0.1f, 0.2f, 0.3f, 1.f));
	Extension->setBackgroundColor(video::SColor(0xFF010203));
	Extension->setGravity(3.5f);
	Extension->setFog(true, video::SColor(0xFF102030), 0.5f);
	Extension->setWind(true, 3.f, 4.f);
	Extension->setShadowSettings(true, 0.1f, 0.2f, 0.3f, 0.4f, 0.6f);
	const bool flags[6] = { false, false, true, true, true, true };
	Extension->setPostEffectSettings(flags, 5, 6, video::SColor(0xFF0000FF), 0.6f, 0.7f, 0.3f, 0.45f);
	Extension->serializeAttributes(Attributes);

	scene::ISceneManager* other = createVeskSceneManager(Device->getSceneManager());
	CVeskSceneManagerExtension* otherExtension = getSceneExtension(other);
	other->getRootSceneNode()->setPosition(core::vector3df(1, 2, 3));
	other->getRootSceneNode()->setScale(core::vector3df(2, 2, 2));
	otherExtension->deserializeAttributes(Attributes);

	io::IAttributes* again = Device->getFileSystem()->createEmptyAttributes();
	otherExtension->serializeAttributes(again);
	ASSERT_EQ(again->getAttributeCount(), Attributes->getAttributeCount());
	for (u32 i = 0; i < again->getAttributeCount(); ++i)
	{
		EXPECT_STREQ(again->getAttributeName(s32(i)), Attributes->getAttributeName(s32(i)));
		EXPECT_EQ(again->getAttributeAsString(s32(i)), Attributes->getAttributeAsString(s32(i))) << again->getAttributeName(s32(i));
	}
	again->drop();
	EXPECT_EQ(other->getRootSceneNode()->getPosition(), core::vector3df(0, 0, 0));
	EXPECT_EQ(other->getRootSceneNode()->getScale(), core::vector3df(1, 1, 1));
	other->drop();
}

namespace
{

//! Registers for the given passes and logs, when drawn, its name and the pass reported then.
class CPassRecorder : public scene::ISceneNode
{
public:
	CPassRecorder(scene::ISceneManager* sceneManager, const char* name, std::vector<u32> passes,
		std::vector<std::string>& log, const core::vector3df& position = core::vector3df(0, 0, 0))
		: ISceneNode(sceneManager->getRootSceneNode(), sceneManager, -1, position), Passes(passes), Log(log)
	{
		setName(name);
		Box = core::aabbox3df(-1, -1, -1, 1, 1, 1);
	}

	void OnRegisterSceneNode() override
	{
		for (u32 pass : Passes)
			Taken.push_back(registerVeskNodeForRendering(SceneManager, this, pass));
		ISceneNode::OnRegisterSceneNode();
	}

	void render() override
	{
		Log.push_back(std::string(getName()) + ":" + std::to_string(getVeskCurrentRenderPass(SceneManager)));
	}

	const core::aabbox3df& getBoundingBox() const override { return Box; }

	std::vector<bool> Taken;

private:
	std::vector<u32> Passes;
	std::vector<std::string>& Log;
	core::aabbox3df Box;
};

} // end anonymous namespace

TEST_F(SceneManagerExtension, PassesAreDrawnInOrderAndLatePassesReportTheirNormalPass)
{
	std::vector<std::string> log;
	// Made in reverse order, so that registration order cannot pass for drawing order.
	const std::pair<const char*, u32> nodes[] = {
		{ "overlay", EVRP_2D }, { "lateTransparent", EVRP_TRANSPARENT_LATE }, { "lateSolid", EVRP_SOLID_LATE },
		{ "transparent", EVRP_TRANSPARENT }, { "solid", EVRP_SOLID }, { "sky", EVRP_SKY_BOX },
		{ "light", EVRP_LIGHT }, { "camera", EVRP_CAMERA }, { "pre", EVRP_PRE_PASS },
	};
	ASSERT_EQ(Device->getVideoDriver()->getMaximalDynamicLightAmount(), 0u);
	for (const auto& node : nodes)
		(new CPassRecorder(SceneManager, node.first, { node.second }, log))->drop();

	EXPECT_EQ(Extension->getCurrentRenderPass(), u32(EVRP_NONE));
	Extension->drawAll(0);
	// The null driver takes no dynamic lights, so the light pass draws none.
	const std::vector<std::string> expected = {
		"pre:0", "camera:1", "sky:3", "solid:5", "transparent:7",
		"lateSolid:5", "lateTransparent:7", "overlay:8"
	};
	EXPECT_EQ(log, expected);
	EXPECT_EQ(Extension->getCurrentRenderPass(), u32(EVRP_NONE));
	EXPECT_EQ(SceneManager->getParameters()->getAttributeAsInt("drawn"), 1);

	// The lists are emptied: the next frame draws each node once again.
	log.clear();
	Extension->drawAll(16);
	EXPECT_EQ(log.size(), expected.size());
}

TEST_F(SceneManagerExtension, UnknownPassesAreRefusedAndCamerasRegisterOnce)
{
	std::vector<std::string> log;
	CPassRecorder* node = new CPassRecorder(SceneManager, "n", { 9, EVRP_NONE, 200, EVRP_CAMERA, EVRP_CAMERA }, log);
	Extension->drawAll(0);
	EXPECT_EQ(node->Taken, std::vector<bool>({ false, false, false, true, false }));
	EXPECT_EQ(log, std::vector<std::string>({ "n:1" }));
	EXPECT_EQ(SceneManager->getParameters()->getAttributeAsInt("calls"), 5);
	EXPECT_EQ(SceneManager->getParameters()->getAttributeAsInt("culled"), 4);
	node->drop();
}

TEST_F(SceneManagerExtension, TransparentNodesAreDrawnBackToFront)
{
	std::vector<std::string> log;
	scene::ICameraSceneNode* camera = SceneManager->addCameraSceneNode(0, core::vector3df(0, 0, 0), core::vector3df(0, 0, 1));
	ASSERT_NE(camera, nullptr);
	(new CPassRecorder(SceneManager, "near", { EVRP_TRANSPARENT }, log, core::vector3df(0, 0, 5)))->drop();
	(new CPassRecorder(SceneManager, "far", { EVRP_TRANSPARENT }, log, core::vector3df(0, 0, 50)))->drop();
	(new CPassRecorder(SceneManager, "middle", { EVRP_TRANSPARENT_LATE, EVRP_TRANSPARENT }, log, core::vector3df(0, 0, 20)))->drop();
	Extension->drawAll(0);
	// The stock camera registers with the engine's own lists, not ours.
	EXPECT_EQ(log, std::vector<std::string>({ "far:7", "middle:7", "near:7", "middle:7" }));
}

TEST_F(SceneManagerExtension, QueuedNodesAreRemovedAfterTheFrame)
{
	std::vector<std::string> log;
	CPassRecorder* node = new CPassRecorder(SceneManager, "n", { EVRP_SOLID }, log);
	Extension->addToDeletionQueue(node);
	Extension->addToDeletionQueue(node);
	EXPECT_EQ(node->getParent(), SceneManager->getRootSceneNode());
	node->drop();
	Extension->drawAll(0);
	EXPECT_EQ(log, std::vector<std::string>({ "n:5" }));
	EXPECT_TRUE(SceneManager->getRootSceneNode()->getChildren().empty());
}

TEST_F(SceneManagerExtension, ManagerWithoutExtensionTakesThePassesTheEngineKnows)
{
	scene::ISceneManager* stock = Device->getSceneManager();
	std::vector<std::string> log;
	CPassRecorder* node = new CPassRecorder(stock, "n", { EVRP_SOLID_LATE, EVRP_PRE_PASS, EVRP_2D }, log);
	stock->drawAll();
	EXPECT_EQ(node->Taken, std::vector<bool>({ true, false, false }));
	EXPECT_EQ(log, std::vector<std::string>({ "n:5" }));
	EXPECT_EQ(getVeskCurrentRenderPass(stock), u32(EVRP_NONE));
	node->remove();
	node->drop();
}

namespace
{

//! Logs its two hooks in the same log as the recorders, with the pass reported then.
class CCallbackRecorder : public ISceneDrawCallbacks
{
public:
	CCallbackRecorder(scene::ISceneManager* sceneManager, std::vector<std::string>& log)
		: SceneManager(sceneManager), Log(log)
	{
	}

	void afterShadowPass(video::IVideoDriver* driver) override { record("afterShadow", driver); }
	void beforeSolidPass(video::IVideoDriver* driver) override { record("beforeSolid", driver); }

private:
	void record(const char* name, video::IVideoDriver* driver)
	{
		const bool rightDriver = driver == SceneManager->getVideoDriver();
		Log.push_back(std::string(name) + (rightDriver ? "" : "(other driver)"));
	}

	scene::ISceneManager* SceneManager;
	std::vector<std::string>& Log;
};

//! A pre-pass node that draws the frame's registered lists again from its own render, as a
//! reflection does.
class CRedrawingPrePassNode : public CPassRecorder
{
public:
	CRedrawingPrePassNode(scene::ISceneManager* sceneManager, std::vector<std::string>& log, ISceneDrawCallbacks* callbacks)
		: CPassRecorder(sceneManager, "pre", { EVRP_PRE_PASS }, log), Callbacks(callbacks)
	{
	}

	void render() override
	{
		CPassRecorder::render();
		getSceneExtension(SceneManager)->drawRegisteredNodes(Callbacks);
		PassAfterRedrawing = getVeskCurrentRenderPass(SceneManager);
	}

	u32 PassAfterRedrawing = EVRP_NONE;

private:
	ISceneDrawCallbacks* Callbacks;
};

} // end anonymous namespace

TEST_F(SceneManagerExtension, DrawCallbacksSurroundTheSolidAndShadowPasses)
{
	std::vector<std::string> log;
	const std::pair<const char*, u32> nodes[] = {
		{ "overlay", EVRP_2D }, { "lateSolid", EVRP_SOLID_LATE }, { "transparent", EVRP_TRANSPARENT },
		{ "shadow", EVRP_SHADOW }, { "solid", EVRP_SOLID }, { "sky", EVRP_SKY_BOX },
	};
	for (const auto& node : nodes)
		(new CPassRecorder(SceneManager, node.first, { node.second }, log))->drop();
	CCallbackRecorder callbacks(SceneManager, log);

	Extension->drawAll(0, &callbacks);
	const std::vector<std::string> expected = {
		"sky:3", "beforeSolid", "solid:5", "shadow:6", "afterShadow", "transparent:7", "lateSolid:5", "overlay:8"
	};
	EXPECT_EQ(log, expected);

	// Without callbacks the passes are drawn alone.
	log.clear();
	Extension->drawAll(16);
	EXPECT_EQ(log, std::vector<std::string>({ "sky:3", "solid:5", "shadow:6", "transparent:7", "lateSolid:5", "overlay:8" }));
}

TEST_F(SceneManagerExtension, RegisteredNodesCanBeDrawnAgainWithinTheFrame)
{
	std::vector<std::string> log;
	CCallbackRecorder callbacks(SceneManager, log);
	(new CPassRecorder(SceneManager, "overlay", { EVRP_2D }, log))->drop();
	(new CPassRecorder(SceneManager, "transparent", { EVRP_TRANSPARENT }, log))->drop();
	(new CPassRecorder(SceneManager, "solid", { EVRP_SOLID }, log))->drop();
	CRedrawingPrePassNode* pre = new CRedrawingPrePassNode(SceneManager, log, &callbacks);

	scene::SMesh* mesh = new scene::SMesh();
	scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
	buffer->Vertices.push_back(video::S3DVertex(0, 0, 0, 0, 0, -1, video::SColor(0xFF404040), 0, 0));
	buffer->Indices.push_back(0);
	buffer->recalculateBoundingBox();
	mesh->addMeshBuffer(buffer);
	buffer->drop();
	mesh->recalculateBoundingBox();
	CVeskMeshSceneNode* meshNode = new CVeskMeshSceneNode(SceneManager->getRootSceneNode(), SceneManager, -1);
	meshNode->setOwnMesh(mesh);
	mesh->drop();

	for (u32 frame = 0; frame < 2; ++frame)
	{
		log.clear();
		Extension->drawAll(frame * 16);
		// The pre-pass draws with its callbacks, drawAll again with none; nothing registered
		// twice, and the 2D pass is not part of the redrawing.
		const std::vector<std::string> expected = {
			"pre:0", "beforeSolid", "solid:5", "afterShadow", "transparent:7", "solid:5", "transparent:7", "overlay:8"
		};
		EXPECT_EQ(log, expected) << "frame " << frame;
		EXPECT_EQ(meshNode->getRenderCount(), 2) << "frame " << frame;
		EXPECT_EQ(SceneManager->getParameters()->getAttributeAsInt("calls"), 5) << "frame " << frame;
		EXPECT_EQ(SceneManager->getParameters()->getAttributeAsInt("drawn"), 2) << "frame " << frame;
		EXPECT_EQ(pre->PassAfterRedrawing, u32(EVRP_PRE_PASS));
	}
	meshNode->drop();
	pre->drop();
}

TEST_F(SceneManagerExtension, FirstDrawTimeIsTheTimeOfTheFirstFrame)
{
	EXPECT_EQ(Extension->getFirstDrawTime(), 0u);
	Extension->drawAll(0);
	Extension->drawAll(700);
	EXPECT_EQ(Extension->getFirstDrawTime(), 0u);

	scene::ISceneManager* other = createVeskSceneManager(Device->getSceneManager());
	CVeskSceneManagerExtension* otherExtension = getSceneExtension(other);
	otherExtension->drawAll(1500);
	otherExtension->drawAll(1516);
	EXPECT_EQ(otherExtension->getFirstDrawTime(), 1500u);
	other->drop();
}
