#ifndef HX_C_VESK_ANIMATOR_ON_KEY_PRESS_H
#define HX_C_VESK_ANIMATOR_ON_KEY_PRESS_H

#include "behaviours/IVeskAnimationDrawerSupport.h"
#include "behaviours/IVeskAnimatorAdditions.h"
#include "document/IVeskSerializationSupport.h"

#include <ISceneNodeAnimator.h>

class IHXActionHandler;

namespace irr
{
namespace scene
{

//! Runs its list when a key (or the left or right mouse button, codes 1 and 2) goes down or
//! comes up. Shift, control and menu match either of their left and right keys. Takes events
//! through the scene's event list from its first frame and never consumes them.
class CVeskAnimatorOnKeyPress : public ISceneNodeAnimator, public IVeskSerializationSupport,
	public IVeskAnimationDrawerSupport, public IVeskAnimatorAdditions
{
public:
	enum E_KEY_EVENT
	{
		EKE_PRESSED_DOWN = 0,
		EKE_LEFT_UP = 1
	};
	enum
	{
		//! The code a key name outside the offered list reads as.
		UNKNOWN_KEY_CODE = 255
	};

	explicit CVeskAnimatorOnKeyPress(ISceneManager* sceneManager);
	virtual ~CVeskAnimatorOnKeyPress();

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

	void setActions(IHXActionHandler* actions);
	IHXActionHandler* getActions() const { return Actions; }

	//! The offered name of an engine key code; empty for a code not offered.
	static const c8* getKeyName(s32 keyCode);
	//! The engine key code of an offered name; UNKNOWN_KEY_CODE for any other name.
	static s32 getKeyCode(const c8* name);

	s32 KeyEvent;
	s32 KeyCode;
	//! Kept for the editor (camera nodes only); the trigger does not look at it.
	bool OnlyIfCameraActive;

private:
	bool matches(const SEvent& event) const;
	void attach(ISceneNode* node);

	ISceneManager* SceneManager;
	ISceneNode* Node;
	IHXActionHandler* Actions;
	bool Registered;
};

} // end namespace scene
} // end namespace irr

#endif
