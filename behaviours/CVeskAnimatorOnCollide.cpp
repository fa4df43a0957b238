#include "behaviours/CVeskAnimatorOnCollide.h"
#include "actions/CHXActionHandler.h"
#include "behaviours/veskTriggerSupport.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <IAttributes.h>
#include <ICameraSceneNode.h>
#include <ISceneManager.h>
#include <ISceneNode.h>
#include <IVideoDriver.h>

namespace irr
{
namespace scene
{

namespace
{

const c8* const TEST_AREA_NAMES[] = { "Sphere", "Box", 0 };
const c8* const NEAR_TO_NAMES[] = { "The current active camera", "A scene node", 0 };
const c8* const TRIGGERED_WHEN_NAMES[] = { "Enters Radius", "Leaves Radius", 0 };
const u32 CIRCLE_SEGMENTS = 16;

} // end anonymous namespace

CVeskAnimatorOnCollide::CVeskAnimatorOnCollide(ISceneManager* sceneManager)
	: TriggeredWhen(ETW_ENTERS), NearTo(ENT_ACTIVE_CAMERA), TestArea(ETA_SPHERE), Distance(10.f), Size(20.f, 20.f, 20.f),
	  NodeId(-1), SceneManager(sceneManager), Actions(0), WasInside(false)
{
}

CVeskAnimatorOnCollide::~CVeskAnimatorOnCollide()
{
	dropActionList(Actions);
}

ESCENE_NODE_ANIMATOR_TYPE CVeskAnimatorOnCollide::getType() const
{
	return ESCENE_NODE_ANIMATOR_TYPE(EVBT_ON_COLLIDE);
}

void CVeskAnimatorOnCollide::setActions(IHXActionHandler* actions)
{
	if (actions)
		actions->grab();
	dropActionList(Actions);
	Actions = actions;
}

ISceneNode* CVeskAnimatorOnCollide::findOther(ISceneNode* node) const
{
	ISceneManager* sceneManager = SceneManager ? SceneManager : node->getSceneManager();
	if (!sceneManager)
		return 0;
	if (NearTo == ENT_SCENE_NODE)
		return NodeId == -1 ? 0 : sceneManager->getSceneNodeFromId(NodeId);
	return sceneManager->getActiveCamera();
}

bool CVeskAnimatorOnCollide::isInside(ISceneNode* node, ISceneNode* other) const
{
	const core::vector3df otherPosition = other->getAbsolutePosition();
	if (TestArea == ETA_SPHERE)
		return Distance > otherPosition.getDistanceFrom(node->getAbsolutePosition());
	if (TestArea != ETA_BOX)
		return false;
	core::matrix4 toLocal;
	if (!node->getAbsoluteTransformation().getInverse(toLocal))
		return false;
	core::vector3df local = otherPosition;
	toLocal.transformVect(local);
	const core::vector3df half = Size * 0.5f;
	return fabsf(local.X) <= half.X && fabsf(local.Y) <= half.Y && fabsf(local.Z) <= half.Z;
}

void CVeskAnimatorOnCollide::animateNode(ISceneNode* node, u32 timeMs)
{
	if (!node || isSceneEditorHost(SceneManager))
		return;
	ISceneNode* other = findOther(node);
	if (!other || other == node)
		return;
	const bool inside = isInside(node, other);
	const bool fires = TriggeredWhen == ETW_ENTERS ? inside && !WasInside : TriggeredWhen == ETW_LEAVES && WasInside && !inside;
	WasInside = inside;
	if (fires)
		runTriggeredActions(Actions, other, SceneManager ? SceneManager : node->getSceneManager());
}

ISceneNodeAnimator* CVeskAnimatorOnCollide::createClone(ISceneNode* node, ISceneManager* newManager)
{
	CVeskAnimatorOnCollide* clone = new CVeskAnimatorOnCollide(newManager ? newManager : SceneManager);
	clone->TriggeredWhen = TriggeredWhen;
	clone->NearTo = NearTo;
	clone->TestArea = TestArea;
	clone->Distance = Distance;
	clone->Size = Size;
	clone->NodeId = NodeId;
	clone->Actions = cloneActionList(Actions);
	return clone;
}

IHXAction* CVeskAnimatorOnCollide::getActionOfType(s32 actionType)
{
	return getListActionOfType(Actions, actionType);
}

void CVeskAnimatorOnCollide::replaceSceneNodeId(s32 oldId, s32 newId)
{
	// A copied subtree whose trigger watched a node of the subtree watches that node's copy.
	if (NodeId == oldId)
		NodeId = newId;
	replaceListSceneNodeId(Actions, oldId, newId);
}

void CVeskAnimatorOnCollide::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(TriggeredWhen);
	writer->writeInt(NearTo);
	writer->writeFloat(Distance);
	writer->writeInt(NodeId);
	writer->writeInt(TestArea);
	if (TestArea & ETA_BOX)
		writer->writeVector(Size);
	CHXActionHandler::writeOptional(writer, Actions);
}

void CVeskAnimatorOnCollide::readBinary(CVeskDeserializer* reader)
{
	TriggeredWhen = reader->readInt();
	NearTo = reader->readInt();
	Distance = reader->readFloat();
	NodeId = reader->readInt();
	TestArea = reader->readInt();
	if (TestArea & ETA_BOX)
		Size = reader->readVector();
	readActionListInto(reader, Actions);
}

void CVeskAnimatorOnCollide::drawAnimation(video::IVideoDriver* driver, ISceneNode* node, video::SColor colour)
{
	if (!driver || !node)
		return;
	if (TestArea == ETA_BOX)
	{
		driver->setTransform(video::ETS_WORLD, node->getAbsoluteTransformation());
		driver->draw3DBox(core::aabbox3df(-Size * 0.5f, Size * 0.5f), colour);
		return;
	}
	const core::vector3df centre = node->getAbsolutePosition();
	driver->setTransform(video::ETS_WORLD, core::IdentityMatrix);
	for (u32 plane = 0; plane < 3; ++plane)
		for (u32 i = 0; i < CIRCLE_SEGMENTS; ++i)
		{
			const f32 a = 2.f * core::PI * f32(i) / f32(CIRCLE_SEGMENTS);
			const f32 b = 2.f * core::PI * f32(i + 1) / f32(CIRCLE_SEGMENTS);
			core::vector3df from(cosf(a), sinf(a), 0.f);
			core::vector3df to(cosf(b), sinf(b), 0.f);
			if (plane == 1)
			{
				from.set(cosf(a), 0.f, sinf(a));
				to.set(cosf(b), 0.f, sinf(b));
			}
			else if (plane == 2)
			{
				from.set(0.f, cosf(a), sinf(a));
				to.set(0.f, cosf(b), sinf(b));
			}
			driver->draw3DLine(centre + from * Distance, centre + to * Distance, colour);
		}
}

void CVeskAnimatorOnCollide::serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options) const
{
	if (!out)
		return;
	// The list behind "Action" is edited as a list, not as an attribute.
	out->addEnum("TestArea", TestArea == ETA_BOX ? 1 : 0, TEST_AREA_NAMES);
	if (TestArea == ETA_BOX)
		out->addVector3d("Size", Size);
	else
		out->addFloat("Distance", Distance);
	out->addEnum("Near to what", NearTo == ENT_SCENE_NODE ? 1 : 0, NEAR_TO_NAMES);
	ISceneNode* near = SceneManager && NodeId != -1 ? SceneManager->getSceneNodeFromId(NodeId) : 0;
	out->addString("Near to which SceneNode", near ? near->getName() : "");
	out->addEnum("Triggered when", TriggeredWhen == ETW_LEAVES ? 1 : 0, TRIGGERED_WHEN_NAMES);
}

void CVeskAnimatorOnCollide::deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options)
{
	if (!in)
		return;
	if (in->existsAttribute("TestArea"))
		TestArea = in->getAttributeAsEnumeration("TestArea", TEST_AREA_NAMES) == 1 ? ETA_BOX : ETA_SPHERE;
	if (in->existsAttribute("Size"))
		Size = in->getAttributeAsVector3d("Size");
	if (in->existsAttribute("Distance"))
		Distance = in->getAttributeAsFloat("Distance");
	if (in->existsAttribute("Near to what"))
		NearTo = in->getAttributeAsEnumeration("Near to what", NEAR_TO_NAMES) == 1 ? ENT_SCENE_NODE : ENT_ACTIVE_CAMERA;
	if (in->existsAttribute("Near to which SceneNode"))
	{
		ISceneNode* near = SceneManager ? SceneManager->getSceneNodeFromName(in->getAttributeAsString("Near to which SceneNode").c_str()) : 0;
		NodeId = near ? near->getID() : -1;
	}
	if (in->existsAttribute("Triggered when"))
		TriggeredWhen = in->getAttributeAsEnumeration("Triggered when", TRIGGERED_WHEN_NAMES) == 1 ? ETW_LEAVES : ETW_ENTERS;
}

} // end namespace scene
} // end namespace irr
