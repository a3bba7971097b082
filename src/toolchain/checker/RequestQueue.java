package orvane.checker;

import java.io.BufferedReader;
import java.io.IOException;
import java.io.PrintStream;

/**
 * Reads requests as they come and keeps only the newest one not yet checked: while one check
 * runs, the user types on, and only the text as it is now is worth checking.
 */
final class RequestQueue {
    private Request newest;
    private boolean ended;

    /** Reads requests until the input ends or is no longer understood. */
    void readAll(BufferedReader in, PrintStream out) {
        try {
            for (Request request = read(in); request != null; request = read(in))
                offer(request, out);
        } catch (IOException | RuntimeException e) {
            System.err.println("Orvane's checker stops reading: " + e);
        }
        synchronized (this) {
            ended = true;
            notifyAll();
        }
    }

    private static Request read(BufferedReader in) throws IOException {
        String header = in.readLine();
        if (header == null)
            return null;
        String[] words = header.split(" ");
        if (words.length != 3 || !words[0].equals("check"))
            throw new IOException("not a request: " + header);
        long number = Long.parseLong(words[1]);
        int length = Integer.parseInt(words[2]);
        String path = in.readLine();
        String sourcePath = in.readLine();
        char[] text = new char[length];
        for (int done = 0; done < length;) {
            int read = in.read(text, done, length - done);
            if (read < 0)
                return null;
            done += read;
        }
        if (path == null || sourcePath == null)
            return null;
        return new Request(number, path, sourcePath, new String(text));
    }

    private synchronized void offer(Request request, PrintStream out) {
        if (newest != null)
            out.println(newest.number + " skipped");
        newest = request;
        notifyAll();
    }

    /** The newest request, waiting for one; null once the input has ended. */
    synchronized Request take() throws InterruptedException {
        while (newest == null && !ended)
            wait();
        Request request = newest;
        newest = null;
        return request;
    }
}
