#ifndef HX_C_VESK_ANIMATOR_ON_COLLIDE_H
#define HX_C_VESK_ANIMATOR_ON_COLLIDE_H

#include "behaviours/IVeskAnimationDrawerSupport.h"
#include "behaviours/IVeskAnimatorAdditions.h"
#include "document/IVeskSerializationSupport.h"

#include <ISceneNodeAnimator.h>

class IHXActionHandler;

namespace irr
{
namespace scene
{

//! Runs its list when the active camera or a chosen node comes into (or leaves) a sphere or
//! a box around its node. The actions get the approaching node as their current node.
class CVeskAnimatorOnCollide : public ISceneNodeAnimator, public IVeskSerializationSupport,
	public IVeskAnimationDrawerSupport, public IVeskAnimatorAdditions
{
public:
	enum E_TRIGGERED_WHEN
	{
		ETW_ENTERS = 0,
		ETW_LEAVES = 1
	};
	enum E_NEAR_TO
	{
		ENT_ACTIVE_CAMERA = 0,
		ENT_SCENE_NODE = 1
	};
	enum E_TEST_AREA
	{
		ETA_SPHERE = 0,
		ETA_BOX = 1
	};

	explicit CVeskAnimatorOnCollide(ISceneManager* sceneManager);
	virtual ~CVeskAnimatorOnCollide();

	virtual void animateNode(ISceneNode* node, u32 timeMs);
	virtual ISceneNodeAnimator* createClone(ISceneNode* node, ISceneManager* newManager = 0);
	virtual ESCENE_NODE_ANIMATOR_TYPE getType() const;
	virtual void serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options = 0) const;
	virtual void deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options = 0);

	virtual IHXAction* getActionOfType(s32 actionType);
	virtual void replaceSceneNodeId(s32 oldId, s32 newId);
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);
	//! The sphere as three circles, or the box, around the node.
	virtual void drawAnimation(video::IVideoDriver* driver, ISceneNode* node, video::SColor colour);

	void setActions(IHXActionHandler* actions);
	IHXActionHandler* getActions() const { return Actions; }

	s32 TriggeredWhen;
	s32 NearTo;
	//! Bit 0 set: a box of Size, else a sphere of Distance.
	s32 TestArea;
	f32 Distance;
	core::vector3df Size;
	s32 NodeId;

private:
	ISceneNode* findOther(ISceneNode* node) const;
	bool isInside(ISceneNode* node, ISceneNode* other) const;

	ISceneManager* SceneManager;
	IHXActionHandler* Actions;
	bool WasInside;
};

} // end namespace scene
} // end namespace irr

#endif
