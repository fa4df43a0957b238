#include "render/CVeskSceneManagerExtension.h"
#include "render/CVeskDriverExtension.h"
#include "render/ISceneDrawCallbacks.h"
#include "render/veskMaterialRenderers.h"
#include "render/veskRenderPass.h"

#include <IAttributes.h>
#include <ICameraSceneNode.h>
#include <IMaterialRenderer.h>
#include <ISceneManager.h>
#include <ISceneNode.h>
#include <IVideoDriver.h>

#include <algorithm>

using namespace irr;

namespace
{

const char* const STATISTIC_CULLED = "culled";
const char* const STATISTIC_CALLS = "calls";
const char* const STATISTIC_DRAWN = "drawn";

} // end anonymous namespace

void CVeskSceneManagerExtension::writeRegistrationStatistics()
{
	io::IAttributes* parameters = SceneManager->getParameters();
	parameters->setAttribute(STATISTIC_CALLS, RegistrationCalls);
	parameters->setAttribute(STATISTIC_CULLED, RegistrationsCulled);
}

bool CVeskSceneManagerExtension::isTransparent(scene::ISceneNode* node) const
{
	video::IVideoDriver* driver = SceneManager->getVideoDriver();
	const u32 count = node->getMaterialCount();
	for (u32 i = 0; i < count; ++i)
	{
		video::IMaterialRenderer* renderer = driver->getMaterialRenderer(node->getMaterial(i).MaterialType);
		if (renderer && renderer->isTransparent())
			return true;
	}
	return false;
}

void CVeskSceneManagerExtension::addSolid(core::array<SSolidEntry>& list, scene::ISceneNode* node)
{
	SSolidEntry entry;
	entry.Node = node;
	entry.Texture = node->getMaterialCount() ? node->getMaterial(0).getTexture(0) : 0;
	list.push_back(entry);
}

void CVeskSceneManagerExtension::addByDistance(core::array<SDistanceEntry>& list, scene::ISceneNode* node)
{
	SDistanceEntry entry;
	entry.Node = node;
	entry.Distance = node->getAbsoluteTransformation().getTranslation().getDistanceFromSQ(CameraPosition);
	list.push_back(entry);
}

bool CVeskSceneManagerExtension::registerNodeForRendering(scene::ISceneNode* node, u32 pass)
{
	if (!node || !SceneManager || !SceneManager->getVideoDriver())
		return false;
	++RegistrationCalls;

	bool taken = true;
	switch (pass)
	{
	case EVRP_PRE_PASS:
		PrePassList.push_back(node);
		break;
	case EVRP_CAMERA:
		taken = CameraList.linear_search(node) < 0;
		if (taken)
			CameraList.push_back(node);
		break;
	case EVRP_LIGHT:
		addByDistance(LightList, node);
		break;
	case EVRP_SKY_BOX:
		SkyBoxList.push_back(node);
		break;
	case EVRP_SHADOW:
		ShadowList.push_back(node);
		break;
	case EVRP_2D:
		OverlayList.push_back(node);
		break;
	case EVRP_AUTOMATIC:
	case EVRP_SOLID:
	case EVRP_TRANSPARENT:
	case EVRP_AUTOMATIC_LATE:
	case EVRP_SOLID_LATE:
	case EVRP_TRANSPARENT_LATE:
	{
		if (SceneManager->isCulled(node))
		{
			taken = false;
			break;
		}
		const bool late = pass >= EVRP_AUTOMATIC_LATE;
		const bool automatic = pass == EVRP_AUTOMATIC || pass == EVRP_AUTOMATIC_LATE;
		const bool transparent = pass == EVRP_TRANSPARENT || pass == EVRP_TRANSPARENT_LATE || (automatic && isTransparent(node));
		if (transparent)
			addByDistance(late ? LateTransparentList : TransparentList, node);
		else
			addSolid(late ? LateSolidList : SolidList, node);
		break;
	}
	default:
		taken = false;
		break;
	}
	if (!taken)
		++RegistrationsCulled;
	return taken;
}

void CVeskSceneManagerExtension::addToDeletionQueue(scene::ISceneNode* node, u32 delayMs)
{
	if (!node)
		return;
	for (u32 i = 0; i < DeletionQueue.size(); ++i)
		if (DeletionQueue[i].Node == node)
			return;
	node->grab();
	SDeletionEntry entry = { node, delayMs, 0, false };
	DeletionQueue.push_back(entry);
}

void CVeskSceneManagerExtension::processDeletionQueue(u32 timeMs)
{
	// A node may queue or remove nodes while it is removed; the due entries are taken out first.
	core::array<scene::ISceneNode*> due;
	for (u32 i = 0; i < DeletionQueue.size();)
	{
		SDeletionEntry& entry = DeletionQueue[i];
		if (!entry.Seen)
		{
			entry.Seen = true;
			entry.QueuedAtMs = timeMs;
		}
		if (timeMs - entry.QueuedAtMs >= entry.DelayMs)
		{
			due.push_back(entry.Node);
			DeletionQueue.erase(i);
		}
		else
			++i;
	}
	for (u32 i = 0; i < due.size(); ++i)
	{
		due[i]->remove();
		due[i]->drop();
	}
}

void CVeskSceneManagerExtension::drawInOrder(core::array<scene::ISceneNode*>& list, u32 reportedPass)
{
	CurrentPass = reportedPass;
	for (u32 i = 0; i < list.size(); ++i)
		list[i]->render();
}

void CVeskSceneManagerExtension::drawSolid(core::array<SSolidEntry>& list, u32 reportedPass)
{
	CurrentPass = reportedPass;
	list.sort();
	for (u32 i = 0; i < list.size(); ++i)
		list[i].Node->render();
}

void CVeskSceneManagerExtension::drawTransparent(core::array<SDistanceEntry>& list, u32 reportedPass)
{
	CurrentPass = reportedPass;
	std::stable_sort(list.pointer(), list.pointer() + list.size(), SFarthestFirst());
	for (u32 i = 0; i < list.size(); ++i)
		list[i].Node->render();
}

void CVeskSceneManagerExtension::drawLights()
{
	video::IVideoDriver* driver = SceneManager->getVideoDriver();
	CurrentPass = EVRP_LIGHT;
	driver->deleteAllDynamicLights();
	driver->setAmbientLight(SceneManager->getAmbientLight());
	std::stable_sort(LightList.pointer(), LightList.pointer() + LightList.size(), SNearestFirst());
	const u32 count = core::min_(LightList.size(), driver->getMaximalDynamicLightAmount());
	for (u32 i = 0; i < count; ++i)
		LightList[i].Node->render();
}

void CVeskSceneManagerExtension::drawShadowVolumes()
{
	drawInOrder(ShadowList, EVRP_SHADOW);
	if (!ShadowList.empty())
	{
		const video::SColor color = SceneManager->getShadowColor();
		SceneManager->getVideoDriver()->drawStencilShadow(true, color, color, color, color);
	}
}

void CVeskSceneManagerExtension::drawLatePasses()
{
	if (LateSolidList.empty() && LateTransparentList.empty())
		return;
	// Late nodes (held in front of the camera) must not be hidden by the scene.
	SceneManager->getVideoDriver()->clearZBuffer();
	drawSolid(LateSolidList, EVRP_SOLID);
	drawTransparent(LateTransparentList, EVRP_TRANSPARENT);
}

void CVeskSceneManagerExtension::clearRenderLists()
{
	PrePassList.set_used(0);
	CameraList.set_used(0);
	LightList.set_used(0);
	SkyBoxList.set_used(0);
	SolidList.set_used(0);
	ShadowList.set_used(0);
	TransparentList.set_used(0);
	LateSolidList.set_used(0);
	LateTransparentList.set_used(0);
	OverlayList.set_used(0);
}

void CVeskSceneManagerExtension::applyFogAndWind(video::IVideoDriver* driver)
{
	driver->setFog(FogColor, video::EFT_FOG_EXP, 50.f, 100.f, FogDensity, false, false);
	CVeskDriverExtension* driverExtension = getDriverExtension(driver);
	if (!driverExtension)
		return;
	driverExtension->setFogOverride(true, FogEnabled);
	if (WindEnabled)
		driverExtension->setWind(WindSpeed, WindStrength);
	else
		driverExtension->setWind(1.f, 1.f);
}

void CVeskSceneManagerExtension::drawRegisteredNodes(ISceneDrawCallbacks* callbacks)
{
	video::IVideoDriver* driver = SceneManager ? SceneManager->getVideoDriver() : 0;
	if (!driver)
		return;
	const u32 callersPass = CurrentPass;

	drawInOrder(CameraList, EVRP_CAMERA);
	drawLights();
	drawInOrder(SkyBoxList, EVRP_SKY_BOX);
	if (callbacks)
		callbacks->beforeSolidPass(driver);
	drawSolid(SolidList, EVRP_SOLID);
	SceneManager->getParameters()->setAttribute(STATISTIC_DRAWN, s32(SolidList.size()));
	drawShadowVolumes();
	if (callbacks)
		callbacks->afterShadowPass(driver);
	drawTransparent(TransparentList, EVRP_TRANSPARENT);
	drawLatePasses();

	CurrentPass = callersPass;
}

void CVeskSceneManagerExtension::drawAll(u32 timeMs, ISceneDrawCallbacks* callbacks, const core::matrix4* transformation2D)
{
	video::IVideoDriver* driver = SceneManager ? SceneManager->getVideoDriver() : 0;
	if (!driver)
		return;
	// Keep the manager alive even if a node's render drops the last outside reference.
	SceneManager->grab();
	if (!FirstDrawTaken)
	{
		FirstDrawTaken = true;
		FirstDrawTime = timeMs;
	}

	io::IAttributes* parameters = SceneManager->getParameters();
	RegistrationCalls = 0;
	RegistrationsCulled = 0;
	writeRegistrationStatistics();
	parameters->setAttribute(STATISTIC_DRAWN, 0);
	driver->setTransform(video::ETS_PROJECTION, core::IdentityMatrix);
	driver->setTransform(video::ETS_VIEW, core::IdentityMatrix);
	driver->setTransform(video::ETS_WORLD, core::IdentityMatrix);
	for (u32 i = video::ETS_TEXTURE_0; i < video::ETS_COUNT; ++i)
		driver->setTransform(video::E_TRANSFORMATION_STATE(i), core::IdentityMatrix);
	driver->setAllowZWriteOnTransparent(parameters->getAttributeAsBool(scene::ALLOW_ZWRITE_ON_TRANSPARENT));

	scene::ISceneNode* root = SceneManager->getRootSceneNode();
	root->OnAnimate(timeMs);
	scene::ICameraSceneNode* camera = SceneManager->getActiveCamera();
	CameraPosition = camera ? camera->getAbsolutePosition() : core::vector3df(0, 0, 0);
	root->OnRegisterSceneNode();
	writeRegistrationStatistics();

	applyFogAndWind(driver);

	drawInOrder(PrePassList, EVRP_PRE_PASS);
	PrePassList.set_used(0);
	drawRegisteredNodes(callbacks);

	core::array<scene::ISceneNode*> overlays;
	overlays.swap(OverlayList);
	clearRenderLists();
	CVeskDriverExtension* driverExtension = getDriverExtension(driver);
	if (driverExtension && transformation2D)
		driverExtension->set2DTransformation(transformation2D);
	drawInOrder(overlays, EVRP_2D);
	if (driverExtension && transformation2D)
		driverExtension->set2DTransformation(0);

	processDeletionQueue(timeMs);
	// Registrations made while drawing (a node registering another from its render) count too.
	writeRegistrationStatistics();
	CurrentPass = EVRP_NONE;
	SceneManager->drop();
}
