package orvane.viewer;

import java.util.concurrent.ExecutionException;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import java.util.concurrent.TimeUnit;
import java.util.concurrent.TimeoutException;

/**
 * The thread an applet's init, start, stop and destroy run on, away from the event thread, so an
 * applet that blocks in one of them freezes no window. The viewer waits for each step only so
 * long; a step still running then goes on by itself.
 */
final class Lifecycle {
    /** Milliseconds the viewer waits for one step of an applet. */
    static final long LIMIT = Long.getLong("orvane.viewer.stepLimit", 5000L);

    /** How a step ended, as far as the viewer waited. */
    enum Outcome { DONE, FAILED, TIMED_OUT }

    interface Step {
        void run() throws Exception;
    }

    private final ExecutorService thread;
    private Throwable failure;

    Lifecycle(String name) {
        thread = Executors.newSingleThreadExecutor(task -> {
            Thread applet = new Thread(task, name);
            applet.setDaemon(true);
            return applet;
        });
    }

    /** Runs `step` on the applet's thread and waits for it up to the limit. */
    Outcome run(Step step) {
        Future<?> done = thread.submit(() -> {
            step.run();
            return null;
        });
        try {
            done.get(LIMIT, TimeUnit.MILLISECONDS);
            return Outcome.DONE;
        } catch (ExecutionException e) {
            failure = e.getCause();
            return Outcome.FAILED;
        } catch (TimeoutException e) {
            return Outcome.TIMED_OUT;
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
            return Outcome.TIMED_OUT;
        }
    }

    /** What the last failed step threw. */
    Throwable failure() { return failure; }

    /** Takes no more steps; one still running is interrupted. */
    void end() { thread.shutdownNow(); }
}
