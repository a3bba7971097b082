package java.applet;

/** A sound an applet can play once, play over and over, and stop. */
public interface AudioClip {
    /** Plays the sound from its start. */
    void play();

    /** Plays the sound over and over until stopped. */
    void loop();

    /** Stops the sound. */
    void stop();
}
