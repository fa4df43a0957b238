#include "behaviours/CVeskAnimatorOnClick.h"
#include "actions/CHXActionHandler.h"
#include "behaviours/veskTriggerSupport.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <IAttributes.h>
#include <ICameraSceneNode.h>
#include <IMeshSceneNode.h>
#include <ISceneCollisionManager.h>
#include <ISceneManager.h>
#include <ITriangleSelector.h>

namespace irr
{
namespace scene
{

namespace
{

const f32 NO_WORLD_HIT = 1e12f;
//! The clicked node is usually part of the world geometry too: its own triangles, found
//! again at the hit point within rounding, must not hide it.
const f32 OWN_SURFACE_TOLERANCE = 0.01f;

} // end anonymous namespace

CVeskAnimatorOnClick::CVeskAnimatorOnClick(ISceneManager* sceneManager)
	: BoundingBoxTestOnly(false), NoClickWhenOccluded(true), Node(0), SceneManager(sceneManager), WorldSelector(0),
	  Actions(0), Registered(false)
{
}

CVeskAnimatorOnClick::~CVeskAnimatorOnClick()
{
	if (WorldSelector)
		WorldSelector->drop();
	dropActionList(Actions);
}

ESCENE_NODE_ANIMATOR_TYPE CVeskAnimatorOnClick::getType() const
{
	return ESCENE_NODE_ANIMATOR_TYPE(EVBT_ON_CLICK);
}

void CVeskAnimatorOnClick::setWorldSelector(ITriangleSelector* selector)
{
	if (selector)
		selector->grab();
	if (WorldSelector)
		WorldSelector->drop();
	WorldSelector = selector;
}

void CVeskAnimatorOnClick::setActions(IHXActionHandler* actions)
{
	if (actions)
		actions->grab();
	dropActionList(Actions);
	Actions = actions;
}

void CVeskAnimatorOnClick::attach(ISceneNode* node, bool listen)
{
	Node = node;
	if (!SceneManager && node)
		SceneManager = node->getSceneManager();
	if (!listen)
		return;
	Registered = node != 0;
	listenForEvents(SceneManager, this, Registered);
}

void CVeskAnimatorOnClick::animateNode(ISceneNode* node, u32 timeMs)
{
	// Registering again after a lost node lets a node that was taken out and put back listen.
	if (node && (node != Node || !Registered))
		attach(node, true);
}

bool CVeskAnimatorOnClick::OnEvent(const SEvent& event)
{
	if (event.EventType != EET_MOUSE_INPUT_EVENT || event.MouseInput.Event != EMIE_LMOUSE_LEFT_UP || !Node)
		return false;
	if (isSceneEditorHost(SceneManager))
		return false;
	if (!isBehaviourInScene(SceneManager, Node, this))
	{
		// The node is gone (or dropped this behaviour): the event list holds the last
		// reference, and the walk that called this keeps it alive until it returns.
		attach(0, true);
		return false;
	}
	if (Node->isTrulyVisible() && isHitAt(core::position2di(event.MouseInput.X, event.MouseInput.Y), NoClickWhenOccluded))
		runTriggeredActions(Actions, Node, SceneManager);
	return false;
}

bool CVeskAnimatorOnClick::isHitAt(const core::position2di& pixel, bool occludable)
{
	ICameraSceneNode* camera = SceneManager ? SceneManager->getActiveCamera() : 0;
	ISceneCollisionManager* collision = SceneManager ? SceneManager->getSceneCollisionManager() : 0;
	if (!camera || !collision)
		return false;
	return pick(collision->getRayFromScreenCoordinates(pixel, camera), occludable);
}

ITriangleSelector* CVeskAnimatorOnClick::getNodeSelector()
{
	if (ITriangleSelector* selector = Node->getTriangleSelector())
		return selector;
	IMeshSceneNode* meshNode = dynamic_cast<IMeshSceneNode*>(Node);
	if (!meshNode || !meshNode->getMesh())
		return 0;
	ITriangleSelector* selector = SceneManager->createTriangleSelector(meshNode->getMesh(), Node);
	if (!selector)
		return 0;
	Node->setTriangleSelector(selector);
	selector->drop();
	return selector;
}

bool CVeskAnimatorOnClick::pick(const core::line3df& ray, bool occludable)
{
	core::matrix4 toLocal;
	if (!Node->getAbsoluteTransformation().getInverse(toLocal))
		return false;
	core::line3df localRay = ray;
	toLocal.transformVect(localRay.start);
	toLocal.transformVect(localRay.end);
	if (!Node->getBoundingBox().intersectsWithLine(localRay))
		return false;

	if (!BoundingBoxTestOnly && u32(Node->getType()) == VESK_NODE_MESH)
	{
		if (ITriangleSelector* selector = getNodeSelector())
		{
			core::vector3df hit;
			core::triangle3df triangle;
			ISceneNode* hitNode = 0;
			if (!SceneManager->getSceneCollisionManager()->getCollisionPoint(ray, selector, hit, triangle, hitNode))
				return false;
			if (!occludable)
				return true;
			const f32 distance = hit.getDistanceFrom(ray.start);
			return distance <= worldDistance(ray.start, hit) + OWN_SURFACE_TOLERANCE;
		}
	}

	if (!occludable)
		return true;
	const core::aabbox3df box = Node->getTransformedBoundingBox();
	const core::vector3df centre = box.getCenter();
	const core::vector3df halfExtent = box.getExtent() * 0.5f;
	const f32 radius = core::max_(halfExtent.X, halfExtent.Y, halfExtent.Z) * core::squareroot(2.f);
	return centre.getDistanceFrom(ray.start) - radius <= worldDistance(ray.start, centre);
}

f32 CVeskAnimatorOnClick::worldDistance(const core::vector3df& from, const core::vector3df& to) const
{
	if (!WorldSelector)
		return NO_WORLD_HIT;
	core::vector3df hit;
	core::triangle3df triangle;
	ISceneNode* hitNode = 0;
	if (!SceneManager->getSceneCollisionManager()->getCollisionPoint(core::line3df(from, to), WorldSelector, hit, triangle, hitNode))
		return NO_WORLD_HIT;
	return hit.getDistanceFrom(from);
}

void CVeskAnimatorOnClick::copyConfigurationTo(CVeskAnimatorOnClick* clone, ISceneManager* newManager) const
{
	clone->BoundingBoxTestOnly = BoundingBoxTestOnly;
	clone->NoClickWhenOccluded = NoClickWhenOccluded;
	// A copy in the same scene tests against the same world; another scene hands its own.
	if (!newManager || newManager == SceneManager)
		clone->setWorldSelector(WorldSelector);
}

ISceneNodeAnimator* CVeskAnimatorOnClick::createClone(ISceneNode* node, ISceneManager* newManager)
{
	CVeskAnimatorOnClick* clone = new CVeskAnimatorOnClick(newManager ? newManager : SceneManager);
	copyConfigurationTo(clone, newManager);
	IHXActionHandler* actions = cloneActionList(Actions);
	clone->setActions(actions);
	if (actions)
		actions->drop();
	// The copy listens from its first frame: listed at once, a copy made by its own list's
	// key or click would take the same event and copy itself again without end.
	clone->attach(node, false);
	return clone;
}

IHXAction* CVeskAnimatorOnClick::getActionOfType(s32 actionType)
{
	return getListActionOfType(Actions, actionType);
}

void CVeskAnimatorOnClick::replaceSceneNodeId(s32 oldId, s32 newId)
{
	replaceListSceneNodeId(Actions, oldId, newId);
}

void CVeskAnimatorOnClick::writeBinary(CVeskSerializer* writer)
{
	writer->writeBool(BoundingBoxTestOnly);
	writer->writeBool(NoClickWhenOccluded);
	writer->writeInt(0);
	CHXActionHandler::writeOptional(writer, Actions);
}

void CVeskAnimatorOnClick::readBinary(CVeskDeserializer* reader)
{
	BoundingBoxTestOnly = reader->readBool();
	NoClickWhenOccluded = reader->readBool();
	reader->readInt();
	readActionListInto(reader, Actions);
}

void CVeskAnimatorOnClick::serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options) const
{
	if (!out)
		return;
	// The list behind "Action" is edited as a list, not as an attribute.
	out->addBool("BoundingBoxTestOnly", BoundingBoxTestOnly);
	out->addBool("NoClickWhenOccluded", NoClickWhenOccluded);
}

void CVeskAnimatorOnClick::deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options)
{
	if (!in)
		return;
	if (in->existsAttribute("BoundingBoxTestOnly"))
		BoundingBoxTestOnly = in->getAttributeAsBool("BoundingBoxTestOnly");
	if (in->existsAttribute("NoClickWhenOccluded"))
		NoClickWhenOccluded = in->getAttributeAsBool("NoClickWhenOccluded");
}

} // end namespace scene
} // end namespace irr
