package java.applet;

import java.io.IOException;
import java.net.URL;
import javax.sound.sampled.AudioSystem;
import javax.sound.sampled.Clip;
import javax.sound.sampled.LineUnavailableException;
import javax.sound.sampled.UnsupportedAudioFileException;

/** A sound file played through the sampled sound system; opened when first played. */
final class SoundClip implements AudioClip {
    private final URL url;
    private Clip clip;

    SoundClip(URL url) { this.url = url; }

    private synchronized Clip clip() {
        if (clip == null) {
            try {
                Clip opened = AudioSystem.getClip();
                opened.open(AudioSystem.getAudioInputStream(url));
                clip = opened;
            } catch (IOException | UnsupportedAudioFileException | LineUnavailableException |
                     IllegalArgumentException e) {
                System.err.println("Cannot play " + url + ": " + e);
            }
        }
        return clip;
    }

    @Override
    public synchronized void play() {
        Clip sound = clip();
        if (sound != null) {
            sound.stop();
            sound.setFramePosition(0);
            sound.start();
        }
    }

    @Override
    public synchronized void loop() {
        Clip sound = clip();
        if (sound != null)
            sound.loop(Clip.LOOP_CONTINUOUSLY);
    }

    @Override
    public synchronized void stop() {
        if (clip != null)
            clip.stop();
    }
}
