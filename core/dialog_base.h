#pragma once
// The program's own dialog windows. Their buttons hide them, so they keep
// their state from one use to the next; closed by the title-bar box a window
// counts as unloaded, and its owner creates it afresh at the next use.

#include <QDialog>
#include <memory>

class QCloseEvent;

class Dialogfenster : public QDialog {
public:
    explicit Dialogfenster(QWidget* eltern = nullptr);

    // True once the title-bar box has closed the window.
    bool Entladen() const { return entladen_; }
    // Shows the window modally; returns when it is hidden or closed.
    void ZeigeModal();

    // Outer height in twips, title bar and frame included, as the commands
    // that fit a dialog to its contents set it. The frame takes 510 twips on
    // a window with a caption bar.
    void SetzeHöhe(int twips);
    void SetzeRahmen(int twips) { rahmenTwips_ = twips; }
    int Höhe() const { return höheTwips_; }
    // Screen position of the frame in twips.
    void SetzeLage(int linksTwips, int obenTwips);

protected:
    // Windows whose contents must outlive a close (the list dialogs) are
    // only hidden by the title-bar box, like by their "Abbrechen".
    void SetzeSchliessenVerbirgt() { schliessenVerbirgt_ = true; }
    void closeEvent(QCloseEvent* e) override;
    // Return presses the button that has the focus and nothing else; no
    // button of ours is pressed by Return from another control.
    void keyPressEvent(QKeyEvent* e) override;
    // Runs when the title-bar box closes the window (Form_Unload).
    virtual void Entlaedt() {}

private:
    bool entladen_ = false;
    bool schliessenVerbirgt_ = false;
    int höheTwips_ = 0;
    int rahmenTwips_ = 510;
};

// The window of kind T in its place: created on first use, and created
// afresh after its title-bar box has closed it.
template <class T, class... Args>
T& HoleFenster(std::unique_ptr<Dialogfenster>& platz, Args&&... args)
{
    if (!platz || platz->Entladen())
        platz = std::make_unique<T>(std::forward<Args>(args)...);
    return static_cast<T&>(*platz);
}

// The window in its place if it is loaded, else nullptr.
template <class T>
T* FensterOderNull(const std::unique_ptr<Dialogfenster>& platz)
{
    return platz && !platz->Entladen() ? static_cast<T*>(platz.get()) : nullptr;
}
