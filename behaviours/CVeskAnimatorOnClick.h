#ifndef HX_C_VESK_ANIMATOR_ON_CLICK_H
#define HX_C_VESK_ANIMATOR_ON_CLICK_H

#include "behaviours/IVeskAnimationDrawerSupport.h"
#include "behaviours/IVeskAnimatorAdditions.h"
#include "behaviours/IVeskWorldSelectorUser.h"
#include "document/IVeskSerializationSupport.h"

#include <ISceneNodeAnimator.h>
#include <line3d.h>
#include <position2d.h>

class IHXActionHandler;

namespace irr
{
namespace scene
{

//! Runs its list when the left button is released over its node: a ray from the active
//! camera through the cursor must hit the node's triangles (or its box) with no world
//! geometry in front. Takes events through the scene's event list from its first frame.
class CVeskAnimatorOnClick : public ISceneNodeAnimator, public IVeskSerializationSupport,
	public IVeskAnimationDrawerSupport, public IVeskAnimatorAdditions, public IVeskWorldSelectorUser
{
public:
	explicit CVeskAnimatorOnClick(ISceneManager* sceneManager);
	virtual ~CVeskAnimatorOnClick();

	virtual void animateNode(ISceneNode* node, u32 timeMs);
	virtual ISceneNodeAnimator* createClone(ISceneNode* node, ISceneManager* newManager = 0);
	virtual bool OnEvent(const SEvent& event);
	virtual ESCENE_NODE_ANIMATOR_TYPE getType() const;
	virtual void serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options = 0) const;
	virtual void deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options = 0);

	virtual IHXAction* getActionOfType(s32 actionType);
	virtual void replaceSceneNodeId(s32 oldId, s32 newId);
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	virtual void setWorldSelector(ITriangleSelector* selector);
	ITriangleSelector* getWorldSelector() const { return WorldSelector; }

	//! The list the behaviour owns; replacing it grabs the new one (may be null).
	void setActions(IHXActionHandler* actions);
	IHXActionHandler* getActions() const { return Actions; }

	bool BoundingBoxTestOnly;
	bool NoClickWhenOccluded;

protected:
	//! Whether the ray through the pixel hits the node; occludable tests the world in front.
	bool isHitAt(const core::position2di& pixel, bool occludable);
	//! Takes node as the one the behaviour acts for; listed for events when listen is set.
	void attach(ISceneNode* node, bool listen);
	void copyConfigurationTo(CVeskAnimatorOnClick* clone, ISceneManager* newManager) const;

	ISceneNode* Node;
	ISceneManager* SceneManager;

private:
	bool pick(const core::line3df& ray, bool occludable);
	//! Distance from from to the first world triangle on the way to to; none is far away.
	f32 worldDistance(const core::vector3df& from, const core::vector3df& to) const;
	ITriangleSelector* getNodeSelector();

	ITriangleSelector* WorldSelector;
	IHXActionHandler* Actions;
	bool Registered;
};

} // end namespace scene
} // end namespace irr

#endif
