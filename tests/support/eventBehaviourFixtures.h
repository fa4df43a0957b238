#ifndef HX_EVENT_BEHAVIOUR_FIXTURES_H
#define HX_EVENT_BEHAVIOUR_FIXTURES_H

// What the trigger tests share: an action that writes "name@current node's name" into a
// shared log each time it runs, and a scene on the null driver with a stopped timer, a camera
// at the origin looking along +Z and box meshes of the program's class.
#include "actions/CHXActionHandler.h"
#include "actions/IHXAction.h"
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskSceneManager.h"
#include "scene/CVeskCameraSceneNode.h"
#include "scene/CVeskMeshSceneNode.h"
#include "tests/support/behaviourFixtures.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <string>
#include <vector>

namespace hxtest
{

class CLoggingAction : public IHXAction
{
public:
	CLoggingAction(std::vector<std::string>& log, const std::string& name) : Log(log), Name(name) {}
	virtual irr::s32 getType() const { return 99; }
	virtual IHXAction* clone() const { return new CLoggingAction(Log, Name); }
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager)
	{
		Log.push_back(Name + "@" + (currentNode ? currentNode->getName() : "-"));
	}
	virtual void serializeAttributes(irr::io::IAttributes*, irr::scene::ISceneManager*) const {}
	virtual void deserializeAttributes(irr::io::IAttributes*, irr::scene::ISceneManager*) {}
	virtual void replaceSceneNodeId(irr::s32, irr::s32) {}
	virtual void writeBinary(CVeskSerializer*) {}
	virtual void readBinary(CVeskDeserializer*) {}

	std::vector<std::string>& Log;
	std::string Name;
};

//! A list (one reference for the caller) holding the actions, which it grabs.
inline CHXActionHandler* listOfActions(std::initializer_list<IHXAction*> actions)
{
	CHXActionHandler* list = new CHXActionHandler(0);
	for (IHXAction* action : actions)
	{
		list->addAction(action);
		action->drop();
	}
	return list;
}

//! Gives the behaviour a list of the actions through its setter.
template <class T, class Setter>
void giveList(T* behaviour, Setter setter, std::initializer_list<IHXAction*> actions)
{
	CHXActionHandler* list = listOfActions(actions);
	(behaviour->*setter)(list);
	list->drop();
}

class EventScene : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Device = createNullDevice();
		ASSERT_NE(Device, nullptr);
		Device->getTimer()->stop();
		Device->getTimer()->setTime(0);
		SceneManager = createVeskSceneManager(Device->getSceneManager());
		Extension = getSceneExtension(SceneManager);
		Cursor = new CTestCursorControl();
		Camera = new CVeskCameraSceneNode(SceneManager->getRootSceneNode(), SceneManager, 100,
			irr::core::vector3df(0, 0, 0), irr::core::vector3df(0, 0, 100));
		Camera->setName("camera");
		Camera->drop();
		SceneManager->setActiveCamera(Camera);
	}
	void TearDown() override
	{
		Cursor->drop();
		SceneManager->drop();
		Device->drop();
	}

	//! A cube of edge size below parent (the root when null), taking part in the world's
	//! collision when collision is set.
	CVeskMeshSceneNode* addBox(irr::s32 id, const char* name, const irr::core::vector3df& position, irr::f32 size,
		bool collision = true, irr::scene::ISceneNode* parent = 0)
	{
		CVeskMeshSceneNode* node = new CVeskMeshSceneNode(parent ? parent : SceneManager->getRootSceneNode(),
			SceneManager, id, position);
		irr::scene::IMesh* mesh = SceneManager->getGeometryCreator()->createCubeMesh(irr::core::vector3df(size, size, size));
		node->setMesh(mesh);
		mesh->drop();
		node->setName(name);
		node->setCollision(collision);
		node->drop();
		node->updateAbsolutePosition();
		return node;
	}

	template <class T>
	T* attach(irr::scene::ISceneNode* node, T* behaviour)
	{
		node->addAnimator(behaviour);
		behaviour->drop();
		return behaviour;
	}

	void frameAt(irr::u32 timeMs)
	{
		Device->getTimer()->setTime(timeMs);
		Extension->drawAll(Device->getTimer()->getTime());
	}
	bool post(const irr::SEvent& event) { return Extension->postEventFromUser(event); }
	//! Where the node's position shows on the screen.
	irr::core::position2di pixelOf(irr::scene::ISceneNode* node)
	{
		return SceneManager->getSceneCollisionManager()->getScreenCoordinatesFrom3DPosition(
			node->getAbsolutePosition(), Camera);
	}
	void clickAt(const irr::core::position2di& pixel)
	{
		irr::SEvent up = mouseEvent(irr::EMIE_LMOUSE_LEFT_UP);
		up.MouseInput.X = pixel.X;
		up.MouseInput.Y = pixel.Y;
		EXPECT_FALSE(post(up));
	}
	//! The stand-in cursor maps its relative position to pixels by 600.
	void putCursorAt(const irr::core::position2di& pixel) { Cursor->Relative.set(pixel.X / 600.f, pixel.Y / 600.f); }
	IHXAction* logs(const char* name) { return new CLoggingAction(Log, name); }

	irr::IrrlichtDevice* Device = 0;
	irr::scene::ISceneManager* SceneManager = 0;
	CVeskSceneManagerExtension* Extension = 0;
	CTestCursorControl* Cursor = 0;
	CVeskCameraSceneNode* Camera = 0;
	std::vector<std::string> Log;
};

} // end namespace hxtest

#endif
